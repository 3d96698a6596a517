#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "model/PanelPage.h"
#include "support/Calendar.h"

class QScrollArea;

namespace tundle {

class AppModel;
class FileChooser;
class PictureCache;
class RoomSettingsSheet;
class SessionEvents;
class Sidebar;

// Everything the control-centre window shows: the sidebar of pages on the left and the model's
// current page in a scrolling area on the right, with the room settings sheet over it while the
// model asks for it. A page is built when it is entered and kept while the model changes, so
// its search, date and scroll survive; closing the window drops the page, and a minimised
// window pauses it.
class ControlCenter : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize smallestSize{900, 640};
    static constexpr int pagePadding = 36;

    // What the pages need besides the model; each must outlive the control centre.
    struct Services {
        SessionEvents& session;
        FileChooser& chooser;
        // The application's decoded pictures, for the rooms.
        PictureCache& pictures;
        Calendar calendar;
    };

    ControlCenter(AppModel& model, Services services, QWidget* parent = nullptr);

    Sidebar& sidebar() const { return *sidebar_; }
    // The page shown now, or nullptr (the breathing page, or a closed window).
    QWidget* page() const { return page_; }
    std::optional<PanelPage> pageKind() const { return pageKind_; }
    QScrollArea& pageArea() const { return *area_; }
    // The room settings sheet while it is up.
    RoomSettingsSheet* roomSheet() const { return sheet_; }

    // A minimised window stops every moving picture and timer of its page until it comes back.
    void setPaused(bool paused);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* makePage(PanelPage page);
    void showPage();
    void dropPage();
    void syncSheet();

    AppModel& model_;
    Services services_;
    Sidebar* sidebar_;
    QScrollArea* area_;
    QPointer<QWidget> page_;
    std::optional<PanelPage> pageKind_;
    RoomSettingsSheet* sheet_ = nullptr;
};

}  // namespace tundle
