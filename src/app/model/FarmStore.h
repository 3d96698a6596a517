#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "model/FarmCrop.h"
#include "model/FarmPlot.h"
#include "model/FarmRenderState.h"
#include "support/Defaults.h"

namespace tundle {

// The little farm beside the pet: nine plots to loosen, sow, water and harvest for coins. Every
// successful action is saved at once; growth is worked out from the clock whenever it is asked
// for, so crops keep growing while the application is closed.
class FarmStore : public QObject {
    Q_OBJECT

public:
    static constexpr int plotCount = FarmRenderState::plotCount;
    // A whole farm takes well under a kilobyte; a longer record is not read at all.
    static constexpr qsizetype recordByteLimit = 64 * 1024;
    static const QString defaultsKey;
    // Where a record that could not be read (too long ones too) is kept once the next save
    // replaces it.
    static const QString unreadableKey;

    // Loads the stored farm; anything wrong with it gives the starting farm, without a word.
    explicit FarmStore(Defaults& preferences, QObject* parent = nullptr);

    bool visible() const { return visible_; }
    double scale() const { return scale_; }
    FarmBalance balance() const { return balance_; }
    int coins() const { return coins_; }
    const std::vector<FarmPlot>& plots() const { return plots_; }

    // The model sets this and then saves.
    void setVisible(bool visible);
    // Stores the farm; answers what went wrong, nothing once it is stored. After a failure the
    // farm keeps playing in memory and the next save writes all of it again.
    std::optional<QString> save();
    // What the last save could not do; nothing after a save that succeeded.
    const std::optional<QString>& saveFailure() const { return saveFailure_; }

    bool loosen(int index);
    bool sow(FarmCrop crop, int index, const QDateTime& now);
    bool water(int index, const QDateTime& now);
    // `roll` is drawn by the caller from [0, 1); below 0.15 the harvest counts double.
    std::optional<FarmHarvestResult> harvest(int index, const QDateTime& now, double roll);
    // The growth time left, as the plot's label reads it; nothing for a plot without a crop.
    std::optional<QString> countdown(int index, const QDateTime& now) const;

    void setScale(double scale);
    void setBalance(FarmBalance balance);

    // Changes whenever anything the farm scene shows changes, and at least every 5 seconds.
    QString renderKey(const QDateTime& now) const;
    // The same, before it is put into words.
    FarmRenderState renderState(const QDateTime& now) const;

signals:
    void visibleChanged();
    void scaleChanged();
    void balanceChanged();
    void coinsChanged();
    void plotsChanged();
    void changed();

private:
    bool load(const QVariant& stored);
    FarmPlot* plot(int index);
    void plotsEdited();

    Defaults& preferences_;
    bool visible_ = true;
    double scale_ = 0.85;
    FarmBalance balance_ = FarmBalance::balanced;
    int coins_ = 0;
    std::vector<FarmPlot> plots_;
    std::optional<QString> saveFailure_;
    // The record this store could not read, until the first save puts it aside.
    std::optional<QVariant> unreadable_;
};

}  // namespace tundle
