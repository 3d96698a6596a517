#pragma once

#include <QDateTime>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "controlcentre/OffWorkViewState.h"
#include "editors/WorkPlanEditor.h"

class QLabel;

namespace tundle {

class ConfigurationStore;
class PlainButton;
class RestArtwork;
class TextBlock;

// The home page's off-work card: once a second, how long until the end of work, the pet resting
// with its line, or an invitation to set up a plan. Its button edits a copy of the work plan; a
// save writes the copy and retires the older off-work times in one change of the configuration.
class OffWorkView : public QWidget {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    OffWorkView(ConfigurationStore& configuration, Clock clock, Calendar calendar, QImage artwork,
                QWidget* parent = nullptr);

    const OffWorkViewState& state() const { return state_; }
    const QTimer& timer() const { return timer_; }
    PlainButton* editButton() const { return edit_; }
    QLabel* headlineLabel() const { return headline_; }
    QLabel* captionLabel() const { return caption_; }
    TextBlock* restLine() const { return restLine_; }
    RestArtwork* artwork() const { return artwork_; }
    WorkPlanEditor* editor() const { return editor_; }
    QMessageBox* saveAlert() const { return alert_; }
    const std::optional<QString>& saveError() const { return saveError_; }

    // Evaluates the card for the clock's current instant; the one-second timer calls it.
    void tick();
    // Opens the work-plan editor over a fresh copy of the stored plan.
    void openEditor();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* buildResting(QImage artwork);
    QWidget* buildPlain();
    void present();
    void save();

    ConfigurationStore& configuration_;
    Clock clock_;
    Calendar calendar_;
    OffWorkViewState state_;
    bool presented_ = false;
    QWidget* resting_ = nullptr;
    RestArtwork* artwork_ = nullptr;
    TextBlock* restLine_ = nullptr;
    QWidget* plain_ = nullptr;
    QLabel* headline_ = nullptr;
    QLabel* caption_ = nullptr;
    PlainButton* edit_ = nullptr;
    QTimer timer_;
    QPointer<WorkPlanEditor> editor_;
    QPointer<QMessageBox> alert_;
    std::optional<QString> saveError_;
};

}  // namespace tundle
