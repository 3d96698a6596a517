#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "companion/BreathingService.h"
#include "controlcentre/BreathBloom.h"

namespace tundle {

class AppModel;
class BreathButton;
class SessionEvents;
class VisibilityGate;

// The whole content of the breathing panel: the dark pebble card with its title, the breathing
// picture and phase word that follow the exercise, a hint, and the controls that choose the
// length, start, pause, resume and end it. It keeps no state of its own: everything follows
// the breathing service and the model. Laid out in a 720 by 740 design space shown at `scale`.
class BreathingView : public QWidget {
    Q_OBJECT

public:
    static constexpr QSizeF designSize{720, 740};
    static constexpr int framesPerSecond = 30;

    // What the picture shows for a state: its expansion and elapsed seconds.
    struct Picture {
        double expansion = 0;
        double elapsed = 0;
        bool operator==(const Picture&) const = default;
    };
    static Picture picture(BreathingState state, const BreathMoment& moment, bool still);
    static QString phaseWord(BreathingState state, bool inhaling);
    static QString hint(BreathingState state);

    BreathingView(AppModel& model, SessionEvents& session, double scale,
                  std::function<void()> close, QWidget* parent = nullptr);

    double scale() const { return scale_; }
    // Either reduce-motion setting is on: the picture stands still.
    bool still() const;
    // The remaining-time line while an exercise runs or waits, else empty.
    QString remainingLine() const;

    // The panel's keys. Return starts (again); Space pauses and resumes.
    void pressReturn();
    void pressSpace();

    const QTimer& frameTimer() const { return frameTimer_; }
    const std::vector<BreathButton*>& chips() const { return chips_; }
    BreathButton& mainButton() const { return *main_; }
    BreathButton& endButton() const { return *end_; }
    BreathButton& pauseButton() const { return *pause_; }
    BreathButton& closeButton() const { return *closeButton_; }
    // The picture's rectangle in design units.
    QRectF bloomRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Rows {
        double titleTop;
        double timelineTop;
        double hintTop;
        double firstRow;
        double secondRow;
    };

    Rows rows() const;
    void sync();
    void layoutControls();
    void start();
    void pauseOrResume();
    void updatePicture();

    AppModel& model_;
    BreathingService& breathing_;
    SessionEvents& session_;
    double scale_;
    std::function<void()> closeAction_;
    std::vector<BreathButton*> chips_;
    BreathButton* main_;
    BreathButton* end_;
    BreathButton* pause_;
    BreathButton* closeButton_;
    QTimer frameTimer_;
    VisibilityGate* gate_;
    BreathBloom bloom_;
    std::optional<QPoint> dragOffset_;
};

}  // namespace tundle
