#pragma once

#include <QWidget>

#include "companion/ReminderKind.h"
#include "controlcentre/ReminderCardState.h"

class QComboBox;
class QLabel;

namespace tundle {

class AppModel;
class PlainButton;
class Switch;

// One of the two small reminder cards of the home page: the switch, the countdown, the interval
// and a button that tries the reminder now or marks a fired one as done. Built once and kept
// in step with the reminder service; every change the user makes is saved at once.
class ReminderCard : public QWidget {
    Q_OBJECT

public:
    ReminderCard(AppModel& model, ReminderKind kind, QWidget* parent = nullptr);

    ReminderKind kind() const { return kind_; }
    const ReminderCardState& state() const { return state_; }
    Switch* enabledSwitch() const { return switch_; }
    QComboBox* intervalPicker() const { return picker_; }
    QLabel* countdownLabel() const { return countdown_; }
    QLabel* captionLabel() const { return caption_; }
    PlainButton* actionButton() const { return action_; }

    // The card's title: the movement card reads "站立提醒".
    static QString title(ReminderKind kind);

private:
    QWidget* buildHeader();
    QWidget* buildCountdown();
    QWidget* buildInterval();
    void refresh();
    void fillPicker();
    void chooseInterval(int index);
    void act();

    AppModel& model_;
    ReminderKind kind_;
    ReminderCardState state_;
    Switch* switch_ = nullptr;
    QLabel* countdown_ = nullptr;
    QLabel* caption_ = nullptr;
    QComboBox* picker_ = nullptr;
    PlainButton* action_ = nullptr;
};

}  // namespace tundle
