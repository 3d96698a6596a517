#include "pet/PaintKey.h"

#include "support/Uuid.h"

namespace tundle {

namespace {

QLatin1StringView flag(bool on) {
    return on ? QLatin1StringView("true") : QLatin1StringView("false");
}

QString plotText(std::optional<int> plot) {
    return QString::number(plot.value_or(-1));
}

}  // namespace

QString PaintKey::text() const {
    const QChar bar = u'|';
    QString key;
    key.reserve(256);
    key += actionTitle.value_or(QString());
    key += bar;
    key += secondaryTitle.value_or(QString());
    key += bar;
    key += pack == PetAssetPack::originalVideo ? QLatin1StringView("OriginalVideo")
                                               : QLatin1StringView("H3");
    key += bar;
    key += uuidText(assetRevision);
    key += bar;
    key += QString::number(frame);
    key += bar;
    key += animation;
    key += bar;
    key += bubble;
    key += bar;
    key += bubbleDetail;
    key += bar;
    key += flag(draggingFile);
    key += bar;
    key += flag(breathingQuiet);
    key += bar;
    key += QString::number(breathingSeconds.value_or(0));
    key += bar;
    key += farm.text();
    key += bar;
    key += roomWeatherText.raw(weather);
    key += bar;
    key += roomPhaseText.raw(phase);
    key += bar;
    key += QString::number(daylight);
    key += bar;
    key += QString::number(walkSteps.value_or(0));
    key += bar;
    key += plotText(hoverFarmPlot);
    key += bar;
    key += plotText(selectedFarmPlot);
    key += bar;
    if (farmFeedback) {
        key += QString::number(farmFeedback->plot) + u'-' + farmFeedback->title + u'-' +
               farmFeedback->detail + u'-' + flag(farmFeedback->doubled);
    }
    return key;
}

}  // namespace tundle
