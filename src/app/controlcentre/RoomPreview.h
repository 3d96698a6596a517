#pragma once

#include <QWidget>

namespace tundle {

class AppModel;
class PetPreview;
class PictureCache;
class RoomBackdrop;
class RoomSettingsEntry;
class SessionEvents;

// The home page's picture of the pet in its room: the live pet over the room backdrop with
// rounded corners, and the room settings bar along its top. It grows while a tall speech bubble
// needs the room and shrinks back when the bubble is gone; the bubble, which rises to the top,
// lies over the bar.
class RoomPreview : public QWidget {
    Q_OBJECT

public:
    static constexpr int previewWidth = 300;
    static constexpr int minimumHeight = 400;
    static constexpr double bubbleWidth = 280;

    RoomPreview(AppModel& model, SessionEvents& session, PictureCache& pictures,
                QWidget* parent = nullptr);

    // The preview's height for a speech bubble of `bubbleHeight` points.
    static int heightFor(double bubbleHeight);

    PetPreview& pet() const { return *pet_; }
    RoomBackdrop& backdrop() const { return *backdrop_; }
    RoomSettingsEntry& entry() const { return *entry_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitBubble();
    // The bar gives way under the bubble's outline where the two meet: the bubble reads whole
    // and its buttons take their presses, while the rest of the bar stays in reach.
    void yieldToBubble();

    AppModel& model_;
    RoomBackdrop* backdrop_;
    PetPreview* pet_;
    QWidget* corners_;
    RoomSettingsEntry* entry_;
};

}  // namespace tundle
