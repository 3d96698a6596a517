#pragma once

#include <QWidget>
#include <array>

#include "model/PanelPage.h"

namespace tundle {

class AppModel;
class SidebarButton;

// The control centre's narrow left column: one button per page and, at the bottom, the button
// that hides or shows the pet on the desktop. It keeps nothing of its own: the highlighted page
// is the model's page, and the eye follows the model's pet visibility.
class Sidebar : public QWidget {
    Q_OBJECT

public:
    // The pages the sidebar lists, in order; breathing opens a window of its own instead.
    static constexpr std::array<PanelPage, 4> pages{PanelPage::home, PanelPage::shortcuts,
                                                    PanelPage::clipboard, PanelPage::settings};
    static constexpr int sidebarWidth = 100;

    explicit Sidebar(AppModel& model, QWidget* parent = nullptr);

    static QString symbol(PanelPage page);
    SidebarButton& pageButton(PanelPage page) const;
    SidebarButton& eyeButton() const { return *eye_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void sync();

    AppModel& model_;
    std::array<SidebarButton*, pages.size()> buttons_{};
    SidebarButton* eye_;
};

}  // namespace tundle
