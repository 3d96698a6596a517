#include "model/PanelPage.h"

namespace tundle {

QString panelPageText(PanelPage page) {
    switch (page) {
        case PanelPage::home:
            return QStringLiteral("陪伴");
        case PanelPage::breathing:
            return QStringLiteral("呼吸");
        case PanelPage::clipboard:
            return QStringLiteral("剪贴板");
        case PanelPage::settings:
            return QStringLiteral("设置");
        case PanelPage::shortcuts:
            return QStringLiteral("快捷方式");
    }
    return {};
}

std::optional<PanelPage> parsePanelPage(QStringView text) {
    for (PanelPage page : allPanelPages) {
        if (text == panelPageText(page)) {
            return page;
        }
    }
    return std::nullopt;
}

}  // namespace tundle
