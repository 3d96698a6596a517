#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace tundle {

class RoomEnvironment;
class SessionEvents;
class VisibilityGate;

// Tells the room whether the view it watches can be seen (shown, its window exposed and not
// minimised), so the room keeps its clock and weather current only while some room view is on
// screen. Waking from sleep re-checks and moves the room's clock on at once. It lives as long
// as the view and reports the view gone when it goes.
class RoomVisibilityProbe : public QObject {
    Q_OBJECT

public:
    RoomVisibilityProbe(RoomEnvironment& room, QWidget& view, SessionEvents& session);
    ~RoomVisibilityProbe() override;

    bool onScreen() const;

private:
    void report();

    QPointer<RoomEnvironment> room_;
    VisibilityGate* gate_;
};

}  // namespace tundle
