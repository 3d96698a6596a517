#include "accessories/DesktopFunctionView.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "accessories/AddShortcutBubble.h"
#include "accessories/ShortcutBubbleStyle.h"
#include "accessories/ShortcutErrorStrip.h"
#include "accessories/ShortcutPager.h"
#include "accessories/WaterShortcutButton.h"
#include "drawing/InterfaceFont.h"
#include "model/AppModel.h"

namespace tundle {
namespace {

std::vector<QUuid> idsOf(const std::vector<ShortcutItem>& items) {
    std::vector<QUuid> ids;
    ids.reserve(items.size());
    for (const ShortcutItem& item : items) {
        ids.push_back(item.id);
    }
    return ids;
}

}  // namespace

DesktopFunctionView::DesktopFunctionView(AppModel& model, ShortcutViewport& viewport,
                                         QWidget* parent)
    : QWidget(parent),
      model_(&model),
      viewport_(viewport),
      pinnedIds_(idsOf(model.shortcuts().pinned())),
      area_(new QWidget(this)),
      pager_(new ShortcutPager(area_)),
      add_(new AddShortcutBubble(this)),
      strip_(new ShortcutErrorStrip(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    connect(pager_, &ShortcutPager::pageRequested, this, &DesktopFunctionView::setPage);
    connect(add_, &QAbstractButton::clicked, this, [this] {
        if (model_) {
            model_->openShortcutSettings();
        }
    });
    connect(&strip_->fix(), &QToolButton::clicked, this, [this] {
        if (model_) {
            model_->openShortcutSettings();
        }
    });
    connect(&model, &AppModel::functionPanelChanged, this, [this] {
        page_ = 0;
        relayout();
    });
    connect(&model, &AppModel::shortcutOpenErrorChanged, this, &DesktopFunctionView::relayout);
    connect(&model, &AppModel::openingShortcutChanged, this, &DesktopFunctionView::relayout);
    connect(&model.shortcuts(), &ShortcutService::itemsChanged, this,
            &DesktopFunctionView::pinnedChanged);
    connect(&viewport, &ShortcutViewport::sizeChanged, this, &DesktopFunctionView::relayout);
    relayout();
}

double DesktopFunctionView::bubbleWidth(const QString& name, double viewportWidth) {
    const double limit = std::min(viewportWidth - 32, 200.0);
    const double text =
        std::ceil(QFontMetricsF(interfaceFont(11, QFont::DemiBold)).horizontalAdvance(name)) +
        WaterShortcutButton::chrome;
    // A panel without room gives a bubble no width at all rather than a negative one.
    return std::max(std::min(std::max(text, 92.0), limit), 0.0);
}

std::vector<double> DesktopFunctionView::widths() const {
    std::vector<double> widths;
    if (model_) {
        for (const ShortcutItem& item : model_->shortcuts().pinned()) {
            widths.push_back(bubbleWidth(item.name, viewport_.size().width()));
        }
    }
    return widths;
}

PackedShortcutLayout DesktopFunctionView::layout(std::vector<double> widths) const {
    const QSizeF size = viewport_.size();
    return PackedShortcutLayout(std::move(widths), size.width() - 2 * padding,
                                size.height() - 2 * padding);
}

void DesktopFunctionView::setPage(int page) {
    if (page != page_) {
        page_ = page;
        relayout();
    }
}

void DesktopFunctionView::pinnedChanged() {
    // A rename keeps the page; a new, removed or moved shortcut starts from the first again.
    std::vector<QUuid> ids = idsOf(model_->shortcuts().pinned());
    if (ids != pinnedIds_) {
        pinnedIds_ = std::move(ids);
        page_ = 0;
    }
    relayout();
}

void DesktopFunctionView::syncButtons(const std::vector<double>& widths) {
    const std::vector<ShortcutItem> pinned = model_->shortcuts().pinned();
    while (buttons_.size() > pinned.size()) {
        // The list may change inside a bubble's own click.
        buttons_.back()->hide();
        buttons_.back()->deleteLater();
        buttons_.pop_back();
    }
    for (std::size_t i = 0; i < pinned.size(); ++i) {
        if (i < buttons_.size()) {
            buttons_[i]->setItem(pinned[i], widths[i]);
            continue;
        }
        auto* button = new WaterShortcutButton(pinned[i], widths[i], area_);
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            if (model_) {
                model_->openShortcut(button->item());
            }
        });
        buttons_.push_back(button);
        pager_->raise();
    }
}

void DesktopFunctionView::relayout() {
    if (!model_) {
        return;
    }
    const QSizeF size = viewport_.size();
    const QSize whole(int(std::round(size.width())), int(std::round(size.height())));
    if (this->size() != whole) {
        resize(whole);
    }
    const bool open = model_->functionPanel().has_value();
    const std::optional<QString>& error = model_->shortcutOpenError();
    const std::vector<double> bubbleWidths = widths();
    const PackedShortcutLayout arc = layout(bubbleWidths);
    syncButtons(bubbleWidths);

    const bool showAdd = open && buttons_.empty();
    const bool showArea = open && !buttons_.empty() && !error;
    const bool showStrip = open && error.has_value();
    const double stackWidth = size.width() - 2 * padding;
    if (showStrip) {
        strip_->setMessage(*error, int(stackWidth));
    }
    const double first = showAdd ? AddShortcutBubble::frameHeight : showArea ? arc.height() : 0;
    const double second = showStrip ? strip_->height() : 0;
    double top = (size.height() - first - second - (first > 0 && second > 0 ? spacing : 0)) / 2;
    const auto place = [](QWidget* widget, QRect frame) {
        if (widget->geometry() != frame) {
            widget->setGeometry(frame);
        }
    };
    if (showAdd) {
        place(add_, QRect(int(std::round((size.width() - AddShortcutBubble::frameWidth) / 2)),
                          int(std::round(top)), AddShortcutBubble::frameWidth,
                          AddShortcutBubble::frameHeight));
    }
    if (showArea) {
        place(area_, QRectF(padding, top, arc.width(), arc.height()).toRect());
        const int current = arc.clampedPage(page_);
        const bool waiting = model_->openingShortcut().has_value();
        std::vector<bool> shown(buttons_.size(), false);
        for (const PackedShortcutLayout::Placement& placement : arc.placements(current)) {
            shown[std::size_t(placement.index)] = true;
            WaterShortcutButton* button = buttons_[std::size_t(placement.index)];
            const QPointF corner =
                placement.point - QPointF(button->width() / 2.0, button->height() / 2.0);
            place(button, QRect(QPoint(int(std::round(corner.x())), int(std::round(corner.y()))),
                                button->size()));
            button->setEnabled(!waiting);
        }
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            buttons_[i]->setVisible(shown[i]);
        }
        pager_->setVisible(arc.pageCount() >= 2);
        if (arc.pageCount() >= 2) {
            pager_->setPage(current, arc.pageCount());
            place(pager_, QRect(int(std::round((arc.width() - pager_->width()) / 2)), 0,
                                pager_->width(), pager_->height()));
        }
    }
    if (first > 0) {
        top += first + spacing;
    }
    if (showStrip) {
        place(strip_, QRect(int(std::round((size.width() - strip_->width()) / 2)),
                            int(std::round(top)), strip_->width(), strip_->height()));
    }
    add_->setVisible(showAdd);
    area_->setVisible(showArea);
    strip_->setVisible(showStrip);
}

}  // namespace tundle
