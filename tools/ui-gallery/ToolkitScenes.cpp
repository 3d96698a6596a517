#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "GalleryScene.h"
#include "toolkit/Colors.h"
#include "toolkit/LightPalette.h"
#include "toolkit/OrangeButton.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Paper.h"
#include "toolkit/Popover.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/SettingsHelp.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Switch.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle::gallery {

namespace {

TextBlock* text(const QString& content, double points, const QColor& color,
                FontWeight weight = FontWeight::regular) {
    auto* block = new TextBlock(content);
    block->setFont(Typography::font(points, weight));
    block->setColor(color);
    return block;
}

// A row of the card: a label, its help button, then a control pushed to the right.
QHBoxLayout* settingRow(const QString& label, QWidget* help, QWidget* control) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(text(label, 13, Colors::ink(), FontWeight::medium));
    if (help) {
        row->addWidget(help);
    }
    row->addStretch();
    row->addWidget(control);
    return row;
}

// The shared styles on one page: heading, a paper card with switches, a segmented picker,
// wrapping text and both button styles (each also pressed), and an open help popover.
QImage styleSample() {
    QWidget page;
    LightPalette::apply(page);
    page.setAutoFillBackground(true);
    page.resize(760, 560);
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(34, 30, 34, 30);
    layout->setSpacing(18);
    layout->addWidget(new PageHeading(QStringLiteral("设置"),
                                      QStringLiteral("调整糯墩的大小、动作和声音。所有改动立即"
                                                     "保存在本机的配置文件里。")));

    auto* card = new Paper(18);
    card->content().setSpacing(12);
    auto* sound = new SettingsHelp(
        QStringLiteral("音效"),
        QStringLiteral("打开后，糯墩被点击、投喂和提醒时会发出简短的声音。声音只在本机播放，"
                       "不会打扰其他程序；关闭后所有动作都安静进行。"));
    auto* soundSwitch = new Switch;
    soundSwitch->setChecked(true);
    card->content().addLayout(settingRow(QStringLiteral("音效"), sound, soundSwitch));
    card->content().addLayout(
        settingRow(QStringLiteral("减少动态效果"),
                   new SettingsHelp(QStringLiteral("减少动态效果"), QStringLiteral("停下动画。")),
                   new Switch));
    auto* balance = new SegmentedControl(
        {QStringLiteral("糯墩优先"), QStringLiteral("平衡"), QStringLiteral("农场优先")});
    balance->setCurrentIndex(1);
    card->content().addLayout(settingRow(QStringLiteral("农场布局"), nullptr, balance));
    auto* wrapped = text(QStringLiteral("一段很长的说明文字会在卡片的宽度内换行，而不会把页面撑宽："
                                        "https://example.com/a/very/long/address/that/"
                                        "keeps/going/and/going/without/any/spaces/at/all"),
                         12, Colors::muted());
    wrapped->setLineSpacing(4);
    card->content().addWidget(wrapped);
    auto* limited = text(QStringLiteral("最多两行的文字在第二行末尾省略。这一行故意写得很长很长，"
                                        "长到第二行也放不下，所以最后会出现省略号，表示还有内容。"
                                        "这里还有更多的内容，不会被显示出来。"),
                         12, Colors::ink());
    limited->setMaximumLines(2);
    card->content().addWidget(limited);
    layout->addWidget(card);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    auto* pressedOrange = new OrangeButton(QStringLiteral("按下"));
    pressedOrange->setDown(true);
    auto* pressedSoft = new SoftButton(QStringLiteral("按下"));
    pressedSoft->setDown(true);
    auto* add = new OrangeButton(QStringLiteral("添加快捷方式"));
    add->setSymbol(QStringLiteral("plus"));
    auto* disabled = new SoftButton(QStringLiteral("不可用"));
    disabled->setEnabled(false);
    for (QWidget* button : std::initializer_list<QWidget*>{
             new OrangeButton(QStringLiteral("导出配置")), pressedOrange, add,
             new SoftButton(QStringLiteral("导入配置…")), pressedSoft, disabled}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    page.adjustSize();
    page.resize(760, std::max(page.height(), 560));
    layout->activate();
    constexpr double ratio = 2;
    QImage image = renderWidget(page, Colors::canvas(), ratio);

    // The popover is a window of its own; it is drawn where it would open.
    Popover& popover = sound->preparedPopover();
    const QRect anchor(sound->mapTo(&page, QPoint(0, 0)), sound->size());
    popover.arrange(anchor, page.rect(), SettingsHelp::popoverWidth);
    QPainter painter(&image);
    popover.render(&painter, popover.pos(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace

void addToolkitScenes(GalleryScenes& scenes) {
    scenes.push_back({QStringLiteral("toolkit-styles"), styleSample});
}

}  // namespace tundle::gallery
