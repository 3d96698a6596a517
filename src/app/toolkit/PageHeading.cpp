#include "toolkit/PageHeading.h"

#include <QVBoxLayout>

#include "toolkit/Colors.h"
#include "toolkit/Spacing.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

PageHeading::PageHeading(const QString& title, const QString& subtitle, QWidget* parent)
    : QWidget(parent), title_(new TextBlock(title, this)), subtitle_(new TextBlock({}, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing::small);
    title_->setFont(Typography::font(TextSize::pageTitle, FontWeight::semibold));
    title_->setColor(Colors::ink());
    subtitle_->setFont(Typography::font(TextSize::body));
    subtitle_->setColor(Colors::muted());
    subtitle_->setLineSpacing(4);
    layout->addWidget(title_);
    layout->addWidget(subtitle_);
    setSubtitle(subtitle);
}

void PageHeading::setTitle(const QString& title) {
    title_->setText(title);
}

void PageHeading::setSubtitle(const QString& subtitle) {
    subtitle_->setText(subtitle);
    // A hidden line takes no room, so no gap is left below the title either.
    subtitle_->setVisible(!subtitle.isEmpty());
}

}  // namespace tundle
