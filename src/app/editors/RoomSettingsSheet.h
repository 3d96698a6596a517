#pragma once

#include <QDateTime>
#include <QWidget>
#include <functional>
#include <memory>

#include "records/RoomPreferences.h"
#include "support/BundleInfo.h"
#include "toolkit/Sheet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;

namespace tundle {

class ErrorLine;
class PictureCache;
class RoomBackdrop;
class RoomEnvironment;
class RoomLocationControls;
class SegmentedControl;
class SessionEvents;
class StyledButton;

// How the room behind the pet looks: live weather at a city, day and night only, or a fixed
// scene. Every control edits a draft of the room and the preview draws that draft; only "应用"
// hands it to the live room, which saves it. Every way out (apply, cancel, Escape, the window's
// close, the sheet hidden) ends the draft's weather, location and city search.
class RoomSettingsSheet : public Sheet {
    Q_OBJECT

public:
    // `pictures` is the application's picture cache, for the preview.
    RoomSettingsSheet(RoomEnvironment& room, SessionEvents& session, PictureCache& pictures,
                      bool reduceMotion, std::function<QDateTime()> clock,
                      QWidget* parent = nullptr,
                      const QString& attributionURL = BundleInfo::current().weatherAttributionURL);
    ~RoomSettingsSheet() override;

    // "应用" is held back while the draft is locating, and in weather mode until it has a place.
    static bool canApply(const RoomEnvironment& draft);

    void apply();
    void cancel();

    RoomEnvironment& draft() const { return *draft_; }
    RoomLocationControls& locationControls() const { return *location_; }
    SegmentedControl& modePicker() const { return *mode_; }
    SegmentedControl& motionPicker() const { return *motion_; }
    QComboBox& weatherPicker() const { return *fixedWeather_; }
    QComboBox& phasePicker() const { return *fixedPhase_; }
    QCheckBox& clearCacheBox() const { return *clearCache_; }
    StyledButton& closeButton() const { return *close_; }
    StyledButton& cancelButton() const { return *cancel_; }
    StyledButton& applyButton() const { return *apply_; }
    QLabel& daylightNote() const { return *daylight_; }
    QLabel& attributionLink() const { return *attribution_; }
    QLabel& footerHint() const { return *hint_; }
    ErrorLine& errorLine() const { return *error_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildPreview(SessionEvents& session, PictureCache& pictures, bool reduceMotion,
                          std::function<QDateTime()> clock);
    QWidget* buildControls(bool reduceMotion, const QString& attributionURL);
    QWidget* buildMore();
    QWidget* buildFooter();
    void sync();
    void end();

    RoomEnvironment& room_;
    std::unique_ptr<RoomEnvironment> draft_;
    // Every view of the sheet lives in this page, declared after the draft so that the views
    // watching the draft go before it does.
    QWidget page_;
    RoomBackdrop* backdrop_ = nullptr;
    SegmentedControl* mode_ = nullptr;
    QWidget* weatherBlock_ = nullptr;
    RoomLocationControls* location_ = nullptr;
    QLabel* daylight_ = nullptr;
    QWidget* fixedBlock_ = nullptr;
    QComboBox* fixedWeather_ = nullptr;
    QComboBox* fixedPhase_ = nullptr;
    SegmentedControl* motion_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* busy_ = nullptr;
    QLabel* attribution_ = nullptr;
    QLabel* noProvider_ = nullptr;
    QCheckBox* clearCache_ = nullptr;
    StyledButton* close_ = nullptr;
    QLabel* hint_ = nullptr;
    ErrorLine* error_ = nullptr;
    StyledButton* cancel_ = nullptr;
    StyledButton* apply_ = nullptr;
    RoomMode shownMode_;
};

}  // namespace tundle
