#pragma once

#include <QWidget>
#include <functional>

namespace tundle {

class RoomEnvironment;
class StyledButton;

// The bar over the home page's room: one line on how the room looks now, and a button to the
// room settings. Both buttons only call `open`; the bar never edits the room.
class RoomSettingsEntry : public QWidget {
    Q_OBJECT

public:
    RoomSettingsEntry(RoomEnvironment& room, std::function<void()> open, QWidget* parent = nullptr);

    // The line for the room as it stands, timed by the room's own minute clock.
    static QString summary(const RoomEnvironment& room);

    StyledButton& summaryButton() const { return *summary_; }
    StyledButton& settingsButton() const { return *settings_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void sync();

    RoomEnvironment& room_;
    StyledButton* summary_;
    StyledButton* settings_;
};

}  // namespace tundle
