#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "GalleryScene.h"
#include "toolkit/Alert.h"
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
#include "toolkit/ToolkitStyle.h"
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

// Qt's standard controls in the toolkit's look, each once without and once with the keyboard
// focus, and the menus they open: a row's actions menu with its destructive entry, and a text
// field's own menu in Chinese.
QImage standardControls() {
    QWidget page;
    LightPalette::apply(page);
    page.setAutoFillBackground(true);
    auto* layout = new QGridLayout(&page);
    layout->setContentsMargins(34, 24, 34, 24);
    layout->setHorizontalSpacing(24);
    layout->setVerticalSpacing(12);
    layout->addWidget(text(QStringLiteral("标准控件"), 19, Colors::ink(), FontWeight::semibold), 0,
                      0, 1, 3);
    layout->addWidget(text(QStringLiteral("未聚焦"), 12, Colors::muted()), 1, 1);
    layout->addWidget(text(QStringLiteral("键盘聚焦"), 12, Colors::muted()), 1, 2);

    using Make = std::function<QWidget*()>;
    const std::vector<std::pair<QString, Make>> kinds = {
        {QStringLiteral("文本框"),
         [] {
             auto* field = new QLineEdit;
             field->setPlaceholderText(QStringLiteral("搜索"));
             field->setFixedWidth(180);
             return field;
         }},
        {QStringLiteral("下拉菜单"),
         [] {
             auto* box = new QComboBox;
             box->addItems({QStringLiteral("每 30 分钟"), QStringLiteral("每 45 分钟")});
             return box;
         }},
        {QStringLiteral("时间"),
         [] {
             auto* edit = new QTimeEdit(QTime(9, 0));
             edit->setDisplayFormat(QStringLiteral("HH:mm"));
             return edit;
         }},
        {QStringLiteral("数字"),
         [] {
             auto* spin = new QSpinBox;
             spin->setRange(1, 90);
             spin->setValue(30);
             return spin;
         }},
        {QStringLiteral("日期"),
         [] {
             auto* edit = new QDateEdit(QDate(2026, 9, 17));
             edit->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
             edit->setCalendarPopup(true);
             return edit;
         }},
        {QStringLiteral("复选框"),
         [] {
             auto* box = new QCheckBox(QStringLiteral("应用时清除本机天气缓存"));
             box->setChecked(true);
             return box;
         }},
        {QStringLiteral("按钮"),
         [] {
             auto* buttons =
                 new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
             return buttons;
         }},
    };
    std::vector<QWidget*> focused;
    int row = 2;
    for (const auto& [title, make] : kinds) {
        layout->addWidget(text(title, 13, Colors::ink(), FontWeight::medium), row, 0);
        layout->addWidget(make(), row, 1, Qt::AlignLeft);
        QWidget* second = make();
        layout->addWidget(second, row, 2, Qt::AlignLeft);
        focused.push_back(second);
        ++row;
    }
    auto* unchecked = new QCheckBox(QStringLiteral("未选中"));
    layout->addWidget(unchecked, row++, 1, Qt::AlignLeft);
    layout->setColumnStretch(3, 1);
    layout->setRowMinimumHeight(row, 250);
    page.resize(760, 10);
    page.adjustSize();
    page.resize(760, page.sizeHint().height());
    constexpr double ratio = 2;
    QImage image = renderWidget(page, Colors::canvas(), ratio);

    // The focus only lands in an active window, and draws its ring once the keyboard moved it.
    page.show();
    page.activateWindow();
    QApplication::processEvents();
    page.setAttribute(Qt::WA_KeyboardFocusChange);
    QPainter painter(&image);
    for (QWidget* widget : focused) {
        // The buttons' focus goes to the first of them, as Tab would put it.
        QWidget* target = widget;
        if (auto* box = qobject_cast<QDialogButtonBox*>(widget)) {
            target = box->button(QDialogButtonBox::Cancel);
        }
        target->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QRect area(widget->mapTo(&page, QPoint(0, 0)), widget->size());
        painter.fillRect(area.adjusted(-3, -3, 3, 3), Colors::canvas());
        widget->render(&painter, area.topLeft(), QRegion(), QWidget::DrawChildren);
    }

    // The menus open below the controls, as they would on screen.
    const int menuTop = unchecked->mapTo(&page, QPoint(0, 0)).y() + unchecked->height() + 16;
    QMenu actions;
    actions.addAction(QStringLiteral("编辑"));
    QAction* open = actions.addAction(QStringLiteral("打开"));
    actions.addMenu(QStringLiteral("移到分组"));
    actions.addSeparator();
    ToolkitStyle::markDestructive(*actions.addAction(QStringLiteral("删除")));
    actions.ensurePolished();
    actions.adjustSize();
    actions.setActiveAction(open);
    actions.render(&painter, QPoint(layout->cellRect(2, 1).left(), menuTop));

    QLineEdit owner(QStringLiteral("糯墩"));
    std::unique_ptr<QMenu> context(owner.createStandardContextMenu());
    context->ensurePolished();
    context->adjustSize();
    context->render(&painter, QPoint(layout->cellRect(2, 2).left(), menuTop));
    return image;
}

// The whole style sheet: the toolkit's own controls above Qt's standard ones.
QImage toolkitStyles() {
    const QImage own = styleSample();
    const QImage standard = standardControls();
    QImage image(std::max(own.width(), standard.width()), own.height() + standard.height(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(own.devicePixelRatio());
    image.fill(Colors::canvas());
    QPainter painter(&image);
    painter.drawImage(QPointF(0, 0), own);
    painter.drawImage(QPointF(0, own.deviceIndependentSize().height()), standard);
    return image;
}

// The configuration section's failure alert, shown, so the box has sized itself as it does
// on the screen.
QImage alert() {
    QWidget window;
    window.resize(640, 420);
    window.show();
    QMessageBox* box = openAlert(
        &window, Alert{.title = QStringLiteral("配置操作未完成"),
                       .message = QStringLiteral("预览期间配置已变化，请重新选择文件并预览。")});
    return renderWidget(*box, LightPalette::palette().window().color());
}

// A drop-down as the user opens it: the field with its list open under it, the chosen option
// ticked and the one under the pointer tinted.
QImage openDropDown() {
    QWidget page;
    LightPalette::apply(page);
    page.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(34, 24, 34, 24);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(text(QStringLiteral("每"), 11, Colors::muted()));
    auto* box = new QComboBox;
    box->setFont(Typography::font(TextSize::footnote));
    box->setFixedWidth(89);
    for (const int minutes : {15, 30, 45, 60, 90, 120}) {
        box->addItem(QString::number(minutes) + QStringLiteral(" 分钟"));
    }
    box->setCurrentIndex(2);
    row->addWidget(box);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    page.resize(320, 260);
    page.show();
    QApplication::processEvents();
    box->showPopup();
    QAbstractItemView* list = box->view();
    list->setCurrentIndex(box->model()->index(4, 0));
    QApplication::processEvents();

    constexpr double ratio = 2;
    QImage image = renderWidget(page, Colors::canvas(), ratio);
    // The list is a window of its own; it is drawn where it opened.
    QWidget* popup = list->window();
    QPainter painter(&image);
    popup->render(&painter, page.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), QRegion(),
                  QWidget::DrawChildren);
    painter.end();
    box->hidePopup();
    return image;
}

}  // namespace

void addToolkitScenes(GalleryScenes& scenes) {
    scenes.push_back({QStringLiteral("toolkit-styles"), toolkitStyles});
    scenes.push_back({QStringLiteral("alert"), alert});
    scenes.push_back({QStringLiteral("open-drop-down"), openDropDown});
}

}  // namespace tundle::gallery
