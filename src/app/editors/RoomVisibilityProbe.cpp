#include "editors/RoomVisibilityProbe.h"

#include <QWidget>

#include "platform/SessionEvents.h"
#include "room/RoomEnvironment.h"
#include "toolkit/VisibilityGate.h"

namespace tundle {

RoomVisibilityProbe::RoomVisibilityProbe(RoomEnvironment& room, QWidget& view,
                                         SessionEvents& session)
    : QObject(&view), room_(&room), gate_(new VisibilityGate(view)) {
    gate_->setParent(this);
    connect(gate_, &VisibilityGate::openChanged, this, &RoomVisibilityProbe::report);
    connect(&session, &SessionEvents::woke, this, [this] {
        gate_->refresh();
        report();
        if (room_) {
            room_->tick();
        }
    });
    gate_->refresh();
    report();
}

RoomVisibilityProbe::~RoomVisibilityProbe() {
    if (room_) {
        room_->reportView(this, false);
    }
}

bool RoomVisibilityProbe::onScreen() const {
    return gate_->isOpen();
}

void RoomVisibilityProbe::report() {
    if (room_) {
        room_->reportView(this, gate_->isOpen());
    }
}

}  // namespace tundle
