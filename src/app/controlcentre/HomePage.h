#pragma once

#include <QWidget>

#include "support/Calendar.h"

namespace tundle {

class ActionGrid;
class AppModel;
class DiaryView;
class OffWorkView;
class PictureCache;
class ReminderCard;
class RoomPreview;
class SessionEvents;

// The control centre's first page, "陪伴": a greeting, the day in a wide left column (the diary,
// the off-work countdown, the two reminder cards) and, in a fixed right column, the pet in its
// room above the buttons that make it play its actions. It composes the cards and stores
// nothing; a new page starts on today.
class HomePage : public QWidget {
    Q_OBJECT

public:
    static constexpr int rightColumnWidth = 300;

    HomePage(AppModel& model, SessionEvents& session, PictureCache& pictures, Calendar calendar,
             QWidget* parent = nullptr);

    DiaryView& diary() const { return *diary_; }
    OffWorkView& offWork() const { return *offWork_; }
    ReminderCard& waterCard() const { return *water_; }
    ReminderCard& movementCard() const { return *movement_; }
    RoomPreview& room() const { return *room_; }
    ActionGrid& actions() const { return *actions_; }

private:
    QWidget* buildLeftColumn(AppModel& model, const Calendar& calendar, PictureCache& pictures);
    QWidget* buildRightColumn(AppModel& model, SessionEvents& session, PictureCache& pictures);

    DiaryView* diary_ = nullptr;
    OffWorkView* offWork_ = nullptr;
    ReminderCard* water_ = nullptr;
    ReminderCard* movement_ = nullptr;
    RoomPreview* room_ = nullptr;
    ActionGrid* actions_ = nullptr;
};

}  // namespace tundle
