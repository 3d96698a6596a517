#include "model/FarmStore.h"

#include <QJsonArray>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <utility>

#include "support/JsonWriter.h"
#include "support/UserFacingError.h"

namespace tundle {

namespace {

constexpr double minimumScale = 0.6;
constexpr double maximumScale = 1.2;

std::vector<FarmPlot> emptyField(int from = 0) {
    std::vector<FarmPlot> plots;
    for (int id = from; id < FarmStore::plotCount; ++id) {
        plots.push_back(FarmPlot{.id = id});
    }
    return plots;
}

}  // namespace

const QString FarmStore::defaultsKey = QStringLiteral("desktopFarm.v1");
const QString FarmStore::unreadableKey = QStringLiteral("desktopFarm.v1.unreadable");

FarmStore::FarmStore(Defaults& preferences, QObject* parent)
    : QObject(parent), preferences_(preferences), plots_(emptyField()) {
    const QVariant stored = preferences_.value(defaultsKey);
    if (stored.isValid() && !load(stored)) {
        plots_ = emptyField();
        // One bad field must not cost the coins and plots beside it, and a record grown past
        // the limit may still hold them: whoever looks into it later finds it beside the new one.
        unreadable_ = stored;
    }
}

bool FarmStore::load(const QVariant& stored) {
    if (stored.typeId() != QMetaType::QByteArray || stored.toByteArray().size() > recordByteLimit) {
        return false;
    }
    try {
        const JsonObject json = JsonObject::parse(stored.toByteArray());
        const qint64 version = json.required(QStringLiteral("version")).toInteger();
        const bool visible = json.required(QStringLiteral("visible")).toBool();
        const double scale = json.required(QStringLiteral("scale")).toDouble();
        const FarmBalance balance =
            json.required(QStringLiteral("balance")).toEnum(farmBalanceText);
        const int coins = json.required(QStringLiteral("coins")).toInt();
        std::vector<FarmPlot> plots = json.required(QStringLiteral("plots")).toRecords<FarmPlot>();
        const int count = static_cast<int>(plots.size());
        QSet<int> ids;
        for (const FarmPlot& plot : plots) {
            ids.insert(plot.id);
        }
        const bool idsComplete =
            ids.size() == count && std::all_of(plots.begin(), plots.end(), [&](const FarmPlot& p) {
                return p.id >= 0 && p.id < count;
            });
        if ((version != 1 && version != 2) || (count != 4 && count != plotCount) ||
            !std::isfinite(scale) || scale < minimumScale || scale > maximumScale || coins < 0 ||
            !idsComplete) {
            return false;
        }
        std::stable_sort(plots.begin(), plots.end(),
                         [](const FarmPlot& a, const FarmPlot& b) { return a.id < b.id; });
        const std::vector<FarmPlot> padding = emptyField(count);
        plots.insert(plots.end(), padding.begin(), padding.end());
        visible_ = visible;
        scale_ = scale;
        balance_ = balance;
        coins_ = coins;
        plots_ = std::move(plots);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<QString> FarmStore::save() {
    const QJsonObject snapshot{
        {QStringLiteral("version"), 2},
        {QStringLiteral("visible"), visible_},
        {QStringLiteral("scale"), scale_},
        {QStringLiteral("balance"), farmBalanceText.raw(balance_)},
        {QStringLiteral("coins"), coins_},
        {QStringLiteral("plots"), toJsonArray(plots_)},
    };
    if (unreadable_) {
        preferences_.setValue(unreadableKey, *std::exchange(unreadable_, std::nullopt));
    }
    preferences_.setValue(defaultsKey, JsonWriter::compact(snapshot));
    try {
        preferences_.sync();
        saveFailure_ = std::nullopt;
    } catch (const std::exception& error) {
        saveFailure_ = QStringLiteral("农场没能保存：") + describe(error);
    }
    return saveFailure_;
}

void FarmStore::setVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    emit visibleChanged();
    emit changed();
}

FarmPlot* FarmStore::plot(int index) {
    return index >= 0 && index < static_cast<int>(plots_.size()) ? &plots_[index] : nullptr;
}

void FarmStore::plotsEdited() {
    save();
    emit plotsChanged();
    emit changed();
}

bool FarmStore::loosen(int index) {
    FarmPlot* target = plot(index);
    if (!target || target->tilled || target->crop) {
        return false;
    }
    target->tilled = true;
    plotsEdited();
    return true;
}

bool FarmStore::sow(FarmCrop crop, int index, const QDateTime& now) {
    FarmPlot* target = plot(index);
    if (!target || !target->tilled || target->crop) {
        return false;
    }
    target->crop = crop;
    target->plantedAt = now;
    target->watered = false;
    plotsEdited();
    return true;
}

bool FarmStore::water(int index, const QDateTime& now) {
    FarmPlot* target = plot(index);
    if (!target || !target->crop || target->watered || target->progress(now) >= 1) {
        return false;
    }
    target->watered = true;
    plotsEdited();
    return true;
}

std::optional<FarmHarvestResult> FarmStore::harvest(int index, const QDateTime& now, double roll) {
    FarmPlot* target = plot(index);
    if (!target || !target->crop || target->progress(now) < 1) {
        return std::nullopt;
    }
    const FarmHarvestResult result{*target->crop, salePrice(*target->crop), roll < 0.15 ? 2 : 1};
    coins_ += result.price * result.multiplier;
    *target = FarmPlot{.id = target->id, .tilled = true};
    emit coinsChanged();
    plotsEdited();
    return result;
}

std::optional<QString> FarmStore::countdown(int index, const QDateTime& now) const {
    if (index < 0 || index >= static_cast<int>(plots_.size())) {
        return std::nullopt;
    }
    const std::optional<QDateTime> mature = plots_[index].maturityDate();
    if (!mature) {
        return std::nullopt;
    }
    const qint64 left = static_cast<qint64>(std::ceil(now.msecsTo(*mature) / 1000.0));
    if (left < 1) {
        return QStringLiteral("可以收获了");
    }
    if (left < 60) {
        return QStringLiteral("还要 %1 秒").arg(left);
    }
    if (left < 3600) {
        return QStringLiteral("还要 %1 分钟").arg((left + 59) / 60);
    }
    const qint64 hours = left / 3600;
    const qint64 rest = left % 3600;
    if (rest > 59) {
        return QStringLiteral("还要 %1 小时 %2 分钟").arg(hours).arg(rest / 60);
    }
    return QStringLiteral("还要 %1 小时").arg(hours);
}

void FarmStore::setScale(double scale) {
    if (std::isnan(scale)) {
        return;
    }
    const double clamped = std::clamp(scale, minimumScale, maximumScale);
    if (clamped == scale_) {
        return;
    }
    scale_ = clamped;
    save();
    emit scaleChanged();
    emit changed();
}

void FarmStore::setBalance(FarmBalance balance) {
    if (balance == balance_) {
        return;
    }
    balance_ = balance;
    save();
    emit balanceChanged();
    emit changed();
}

QString FarmStore::renderKey(const QDateTime& now) const {
    return renderState(now).text();
}

FarmRenderState FarmStore::renderState(const QDateTime& now) const {
    FarmRenderState state{
        .visible = visible_,
        .scale = scale_,
        .balance = balance_,
        .coins = coins_,
        .timeBucket = static_cast<qint64>(
            std::floor(now.toMSecsSinceEpoch() / double(FarmRenderState::bucketMilliseconds))),
    };
    for (std::size_t i = 0; i < state.plots.size() && i < plots_.size(); ++i) {
        const FarmPlot& plot = plots_[i];
        state.plots[i] = {
            .tilled = plot.tilled,
            .crop = plot.crop,
            .stage = plot.crop
                         ? std::min(static_cast<int>(std::floor(plot.progress(now) * 3.001)), 3)
                         : 0,
            .watered = plot.watered,
        };
    }
    return state;
}

}  // namespace tundle
