#include "controlcentre/RoomPreview.h"

#include <QEvent>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "editors/RoomBackdrop.h"
#include "editors/RoomSettingsEntry.h"
#include "editors/RoomVisibilityProbe.h"
#include "model/AppModel.h"
#include "pet/BubbleLayout.h"
#include "pet/PetPreview.h"
#include "toolkit/Colors.h"
#include "toolkit/RoundedCorners.h"

namespace tundle {

namespace {

constexpr double cornerRadius = 25;
// Room below a bubble for the pet itself.
constexpr double petRoom = 342;

}  // namespace

RoomPreview::RoomPreview(AppModel& model, SessionEvents& session, PictureCache& pictures,
                         QWidget* parent)
    : QWidget(parent),
      model_(model),
      backdrop_(new RoomBackdrop(model.room(), session, pictures, model.reduceMotion(),
                                 model.clock(), this)),
      pet_(new PetPreview(model, model.farm(), this)),
      corners_(new RoundedCorners(cornerRadius, Colors::canvas(), this)),
      entry_(new RoomSettingsEntry(
          model.room(), [&model] { model.setRoomSettingsPresented(true); }, this)) {
    setAccessibleName(QStringLiteral("房间里的糯墩，点击互动"));
    new RoomVisibilityProbe(model.room(), *this, session);
    connect(&model_, &AppModel::reduceMotionChanged, backdrop_,
            [this] { backdrop_->setReduceMotion(model_.reduceMotion()); });
    connect(&model_, &AppModel::bubbleChanged, this, &RoomPreview::fitBubble);
    connect(&model_, &AppModel::functionPanelChanged, this, &RoomPreview::yieldToBubble);
    // The canvas takes its size from the page's layout, after this widget's own resize.
    pet_->canvas().installEventFilter(this);
    setFixedWidth(previewWidth);
    fitBubble();
}

int RoomPreview::heightFor(double bubbleHeight) {
    return int(std::ceil(std::max(double(minimumHeight), bubbleHeight + petRoom)));
}

void RoomPreview::fitBubble() {
    setFixedHeight(heightFor(BubbleLayout(BubbleContent::of(model_), bubbleWidth).height));
    yieldToBubble();
}

void RoomPreview::yieldToBubble() {
    const PetCanvas& canvas = pet_->canvas();
    const QPainterPath outline = canvas.bubbleOutline();
    if (outline.isEmpty()) {
        entry_->clearMask();
        return;
    }
    const QPoint offset = entry_->mapFrom(this, canvas.mapTo(this, QPoint()));
    const QRegion bubble(outline.translated(offset).toFillPolygon().toPolygon());
    entry_->setMask(QRegion(entry_->rect()).subtracted(bubble));
}

bool RoomPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        yieldToBubble();
    }
    return QWidget::eventFilter(watched, event);
}

void RoomPreview::resizeEvent(QResizeEvent*) {
    for (QWidget* layer :
         {static_cast<QWidget*>(backdrop_), static_cast<QWidget*>(pet_), corners_}) {
        layer->setGeometry(rect());
    }
    entry_->setGeometry(0, 0, width(), entry_->sizeHint().height());
    yieldToBubble();
}

}  // namespace tundle
