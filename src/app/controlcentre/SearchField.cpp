#include "controlcentre/SearchField.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

#include "toolkit/Colors.h"
#include "toolkit/Spacing.h"
#include "toolkit/SymbolView.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr double plateRadius = 11;

}  // namespace

SearchField::SearchField(const QString& placeholder, QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(Spacing::regular, Spacing::regular, Spacing::regular, Spacing::regular);
    row->addWidget(new SymbolView(QStringLiteral("magnifyingglass"), 14, Colors::muted()));
    edit_->setFrame(false);
    edit_->setFont(Typography::font(TextSize::control));
    edit_->setPlaceholderText(placeholder);
    edit_->setClearButtonEnabled(false);
    QPalette colours = edit_->palette();
    colours.setColor(QPalette::Base, Qt::transparent);
    edit_->setPalette(colours);
    row->addWidget(edit_, 1);
    setFocusProxy(edit_);
}

void SearchField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(rect()), plateRadius, plateRadius);
    painter.fillPath(plate, Qt::white);
}

}  // namespace tundle
