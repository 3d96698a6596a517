#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tundle {

class AppModel;
class BreathingPanel;
class BreathingView;
class SessionEvents;

// Owns the breathing panel: builds and shows it centred on the screen under the pointer,
// pauses a running exercise when the machine or its screens go to sleep or the session is
// switched away from, and tells the model when the panel closes. Made once by the shell and
// kept; the panel is hidden, never destroyed, when it closes, and lets go of its view and its
// window buffer until it is shown again.
class BreathingWindowController : public QObject {
    Q_OBJECT

public:
    static constexpr double designWidth = 720;
    static constexpr double designHeight = 740;
    static constexpr double minimumScale = 0.25;

    struct ScreenArea {
        QRect frame;
        QRect visible;
    };
    // Where the panel may go: the pointer, every screen, the primary screen's visible area.
    struct Desk {
        std::function<QPoint()> pointer;
        std::function<std::vector<ScreenArea>()> screens;
        std::function<std::optional<QRect>()> primary;
    };
    static Desk systemDesk();

    // The visible area of the first screen holding the pointer, else the primary one's, else
    // 1440 by 900 at the origin.
    static QRect areaFor(QPoint pointer, const std::vector<ScreenArea>& screens,
                         const std::optional<QRect>& primary);
    // Shrinks the design to fit with 20 points to spare on each side; never enlarges it, and
    // never below a quarter, however small the area.
    static double scaleFor(const QRect& area);
    static QRect frameFor(const QRect& area, double scale);

    BreathingWindowController(AppModel& model, SessionEvents& session, Desk desk = systemDesk(),
                              QObject* parent = nullptr);
    ~BreathingWindowController() override;

    // Fits, makes on first use, fills with a fresh view and shows the panel in front.
    void show();
    // Closes a shown panel; a hidden one stays as it is.
    void close();
    BreathingPanel* panel() const { return panel_.get(); }
    BreathingView* view() const;

private:
    void closed();
    void sleeping();

    AppModel& model_;
    SessionEvents& session_;
    Desk desk_;
    std::unique_ptr<BreathingPanel> panel_;
};

}  // namespace tundle
