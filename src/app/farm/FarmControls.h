#pragma once

#include <QDateTime>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "farm/FarmLayout.h"
#include "model/FarmFeedback.h"

class QPainter;

namespace tundle {

class FarmArtwork;
class FarmStore;
class YUpSpace;

// The dark remaining-time label across the selected growing plot.
struct FarmCountdown {
    QRectF rect;
    QString text;
};

// The overlays above the plots: the countdown label, the buttons beside the selected plot and
// the label the pet's last farm action raised.
class FarmControls {
public:
    FarmControls() = delete;

    static constexpr double fadeSeconds = 0.16;

    // Only for a selected, watered, still growing plot while the pet rests idle.
    static std::optional<FarmCountdown> countdown(const FarmStore& farm, const QRectF& scene,
                                                  double scale, bool resting,
                                                  std::optional<int> selected,
                                                  const QDateTime& now);
    // The feedback's opacity: fades in over 0.16 s; a start in the future (a clock set back)
    // keeps it invisible rather than negative.
    static double feedbackAlpha(const FarmFeedback& feedback, const QDateTime& now);
    // Milliseconds until the fade-in ends, while it runs.
    static std::optional<int> fadeRemaining(const std::optional<FarmFeedback>& feedback,
                                            const QDateTime& now);
    static QString priceText(FarmCrop crop);

    static void drawInline(QPainter& painter, const YUpSpace& space, double scale,
                           const std::optional<FarmCountdown>& countdown,
                           const std::vector<FarmInlineButton>& buttons,
                           const std::optional<FarmInlineAction>& pressed,
                           const FarmArtwork* artwork);
    // `centre`: the centre of the feedback's plot.
    static void drawFeedback(QPainter& painter, const YUpSpace& space, double scale,
                             const FarmFeedback& feedback, QPointF centre, const QDateTime& now);
};

}  // namespace tundle
