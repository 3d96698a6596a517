#include "shell/StatusMenu.h"

namespace tundle {

std::vector<StatusMenuItem> StatusMenu::items(bool petVisible, bool farmVisible) {
    using enum StatusMenuAction;
    const StatusMenuItem separator;
    return {
        {openHome, QStringLiteral("打开糯墩"), {}},
        {openRoomSettings, QStringLiteral("房间设置"), {}},
        {openClipboard, QStringLiteral("剪贴板历史"), {}},
        separator,
        {togglePet, petVisible ? QStringLiteral("隐藏桌宠") : QStringLiteral("显示桌宠"), {}},
        {toggleFarm,
         farmVisible ? QStringLiteral("收起桌面农场") : QStringLiteral("展开桌面农场"),
         {}},
        {resetPosition, QStringLiteral("回到主屏幕"), {}},
        separator,
        {checkSoftwareUpdate, QStringLiteral("检查软件更新…"), {}},
        {checkContentUpdate, QStringLiteral("检查动作更新"), {}},
        separator,
        {quit, QStringLiteral("退出糯墩"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
}

std::vector<TrayMenuEntry> StatusMenu::entries(
    bool petVisible, bool farmVisible, const std::function<void(StatusMenuAction)>& perform) {
    std::vector<TrayMenuEntry> entries;
    for (const StatusMenuItem& item : items(petVisible, farmVisible)) {
        TrayMenuEntry entry{item.title, item.shortcut, {}};
        if (item.action) {
            entry.action = [perform, action = *item.action] { perform(action); };
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace tundle
