#include "model/FarmRenderState.h"

#include <QLocale>

namespace tundle {

bool FarmRenderState::sameContent(const FarmRenderState& other) const {
    FarmRenderState aligned = other;
    aligned.timeBucket = timeBucket;
    return aligned == *this;
}

QString FarmRenderState::text() const {
    QString key;
    key.reserve(192);
    key += visible ? QLatin1String("true-") : QLatin1String("false-");
    const qsizetype scaleStart = key.size();
    key += QString::number(scale, 'g', QLocale::FloatingPointShortest);
    if (!QStringView(key).sliced(scaleStart).contains(u'.')) {
        key += QLatin1String(".0");
    }
    key += u'-';
    key += farmBalanceText.raw(balance);
    key += u'-';
    key += QString::number(coins);
    key += u'-';
    for (std::size_t i = 0; i < plots.size(); ++i) {
        const Plot& plot = plots[i];
        if (i > 0) {
            key += u',';
        }
        if (!plot.crop) {
            key += plot.tilled ? QLatin1String("tilled") : QLatin1String("empty");
            continue;
        }
        key += farmCropText.raw(*plot.crop);
        key += u'-';
        key += QChar(u'0' + plot.stage);
        key += plot.watered ? QLatin1String("-true") : QLatin1String("-false");
    }
    key += u'-';
    key += QString::number(timeBucket);
    return key;
}

}  // namespace tundle
