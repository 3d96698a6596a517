#include "controlcentre/RoomPreview.h"

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
    setFixedWidth(previewWidth);
    fitBubble();
}

int RoomPreview::heightFor(double bubbleHeight) {
    return int(std::ceil(std::max(double(minimumHeight), bubbleHeight + petRoom)));
}

void RoomPreview::fitBubble() {
    setFixedHeight(heightFor(BubbleLayout(BubbleContent::of(model_), bubbleWidth).height));
}

void RoomPreview::resizeEvent(QResizeEvent*) {
    for (QWidget* layer :
         {static_cast<QWidget*>(backdrop_), static_cast<QWidget*>(pet_), corners_}) {
        layer->setGeometry(rect());
    }
    entry_->setGeometry(0, 0, width(), entry_->sizeHint().height());
}

}  // namespace tundle
