#include "editors/ConfigurationPreview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "config/ConfigurationPackage.h"
#include "editors/ConfigurationPreviewContent.h"
#include "editors/ShortcutPreviewList.h"
#include "toolkit/Colors.h"
#include "toolkit/Divider.h"
#include "toolkit/LightPalette.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Spacing.h"
#include "toolkit/StyledText.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr int padding = 24;

// Plain text from the file: it wraps within the sheet, a long address anywhere.
TextBlock* text(const QString& content, double points, FontWeight weight = FontWeight::regular,
                const QColor& color = Colors::ink()) {
    return StyledText::make(content, points, color, weight);
}

// Our own multi-line text, which the user may select and copy.
QLabel* selectableText(const QString& content) {
    QLabel* label = plainLabel(content, TextSize::body, Colors::ink(), nullptr);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ConfigurationPreview::ConfigurationPreview(const ConfigurationPackage& package, bool exporting,
                                           QWidget* parent)
    : Sheet(parent),
      cancel_(new QPushButton(QStringLiteral("取消"))),
      confirm_(new QPushButton(exporting ? QStringLiteral("选择保存位置…")
                                         : QStringLiteral("确认导入"))),
      content_(new QScrollArea) {
    const QString title =
        exporting ? QStringLiteral("导出内容预览") : QStringLiteral("导入内容预览");
    setWindowTitle(title);
    // A window of its own: it does not take the control centre's colours from its parent.
    LightPalette::apply(*this);
    setFixedSize(sheetWidth, sheetHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(Spacing::wide);
    layout->addWidget(text(title, 22, FontWeight::semibold));
    layout->addWidget(text(package.summary(), 12, FontWeight::regular, Colors::muted()));
    if (!exporting) {
        layout->addWidget(text(
            QStringLiteral("确认后应用。导入前会自动备份现有配置，导入快捷方式不会打开任何目标。"),
            12));
    }
    content_->setWidgetResizable(true);
    content_->setFrameShape(QFrame::NoFrame);
    content_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    content_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    content_->setWidget(buildContent(package));
    layout->addWidget(content_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addWidget(confirm_);
    layout->addLayout(buttons);
    setDefaultButton(confirm_);

    connect(cancel_, &QAbstractButton::clicked, this, &Sheet::cancelRequested);
    connect(confirm_, &QAbstractButton::clicked, this, &ConfigurationPreview::confirmRequested);
}

QWidget* ConfigurationPreview::buildContent(const ConfigurationPackage& package) {
    const ConfigurationPreviewContent content = ConfigurationPreviewContent::of(package);
    auto* blocks = new QWidget;
    blocks->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(blocks);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing::regular);
    if (content.preferences) {
        layout->addWidget(text(QStringLiteral("陪伴偏好"), 12, FontWeight::bold));
        for (const QString& line :
             ConfigurationPreviewContent::preferenceLines(*content.preferences)) {
            layout->addWidget(text(line, 12));
        }
    }
    if (content.schedule) {
        layout->addWidget(divider());
        layout->addWidget(text(QStringLiteral("工作时段"), 12, FontWeight::bold));
        layout->addWidget(
            selectableText(ConfigurationPreviewContent::scheduleText(*content.schedule)));
    }
    if (!content.groups.empty()) {
        layout->addWidget(divider());
        layout->addWidget(text(ConfigurationPreviewContent::groupsLine(content.groups), 12));
    }
    if (!content.items.empty()) {
        layout->addWidget(new ShortcutPreviewList(content.items));
    }
    layout->addStretch();
    return blocks;
}

}  // namespace tundle
