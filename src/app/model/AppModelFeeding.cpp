#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

#include "model/AppModel.h"
#include "support/FileIO.h"
#include "support/UserFacingError.h"
#include "support/Uuid.h"

namespace tundle {

namespace {

QString feedingSummary(qsizetype moved, qsizetype notMoved, bool demo) {
    QString summary =
        demo ? QStringLiteral("演示文件") : QString::number(moved) + QStringLiteral(" 个文件");
    summary += QStringLiteral("已移到系统废纸篓");
    if (notMoved > 0) {
        summary +=
            QStringLiteral("，另有 ") + QString::number(notMoved) + QStringLiteral(" 项未移动");
    }
    return summary + QStringLiteral("。");
}

}  // namespace

void AppModel::setLastTrashSummary(const QString& summary) {
    if (lastTrashSummary_ != summary) {
        lastTrashSummary_ = summary;
        emit lastTrashSummaryChanged();
        emit changed();
    }
}

void AppModel::setCanUndoTrash(bool canUndo) {
    if (canUndoTrash_ != canUndo) {
        canUndoTrash_ = canUndo;
        emit canUndoTrashChanged();
        emit changed();
    }
}

bool AppModel::eatFiles(const QList<QUrl>& urls, bool demo) {
    if (urls.isEmpty()) {
        return false;
    }
    if (urls.size() > feedingLimit) {
        say({.message = QStringLiteral("这一口有点太大啦。"),
             .detail = QStringLiteral("一次最多投喂 %1 个文件").arg(feedingLimit),
             .duration = 8});
        return false;
    }
    const TrashResult result = trash_.trash(urls);
    const qsizetype moved = result.receipts.size();
    if (moved == 0) {
        setLastTrashSummary(result.failures.isEmpty() ? QStringLiteral("没有移动任何文件。")
                                                      : result.failures.front().message);
        say({.message = QStringLiteral("这一口没吃进去。"),
             .detail = lastTrashSummary_,
             .duration = 12});
        return false;
    }
    stopAnimation();
    std::vector<QUuid> batch;
    batch.reserve(static_cast<std::size_t>(moved));
    for (const TrashReceipt& receipt : result.receipts) {
        batch.push_back(receipt.id);
    }
    trashBatches_.push_back(batch);
    setCanUndoTrash(true);
    filesEaten_ += static_cast<int>(moved);
    emit filesEatenChanged();
    const QString summary = feedingSummary(moved, result.failures.size(), demo);
    setLastTrashSummary(summary);
    if (breathingQuiet() || reduceMotion_) {
        showTrashReceipt(summary, batch, false);
        return true;
    }

    play(QStringLiteral("eating"));
    say(feedingBubble(QStringLiteral("啊呜，吃掉啦！"),
                      QString::number(moved) + QStringLiteral(" 个文件已移入废纸篓 · 正在消化"), 0,
                      batch));
    eatingFeedback_ = EatingFeedback{messageToken_, summary, batch};
    // The receipt follows only while the eating bubble and clip are still the current ones; a
    // running exercise keeps the pet quiet.
    eatingTimer_->start(assets_->duration(QStringLiteral("eating")),
                        [this, message = messageToken_, eating = eatingToken_, summary, batch] {
                            if (messageToken_ != message || eatingToken_ != eating ||
                                breathing_.state() == BreathingState::running) {
                                return;
                            }
                            eatingFeedback_ = std::nullopt;
                            play(QStringLiteral("poof"));
                            showTrashReceipt(summary, batch, true);
                            if (soundEnabled_ && !reduceMotion_) {
                                world_.sounds.playNamed(QStringLiteral("Purr"));
                            }
                        });
    return true;
}

void AppModel::showTrashReceipt(const QString& summary, const std::vector<QUuid>& batch,
                                bool withPoof) {
    say(feedingBubble(
        withPoof ? QStringLiteral("噗～ 已经排进废纸篓。") : QStringLiteral("文件已移到废纸篓。"),
        summary, 20, batch));
}

SpeechBubble AppModel::feedingBubble(QString message, QString detail, double duration,
                                     std::vector<QUuid> batch) {
    const QPointer<AppModel> model(this);
    return {
        .message = std::move(message),
        .detail = std::move(detail),
        .actionTitle = QStringLiteral("撤销这次"),
        .secondaryTitle = QStringLiteral("打开废纸篓"),
        .duration = duration,
        .action =
            [model, batch = std::move(batch)] {
                if (model) {
                    model->undoTrash(batch);
                }
            },
        .secondaryAction =
            [model] {
                if (model) {
                    model->openTrash();
                }
            },
    };
}

void AppModel::undoTrash(const std::vector<QUuid>& batch) {
    stopAnimation();
    QList<TrashReceipt> matched;
    for (const TrashReceipt& receipt : trash_.receipts()) {
        if (std::find(batch.begin(), batch.end(), receipt.id) != batch.end()) {
            matched.append(receipt);
        }
    }
    if (matched.isEmpty()) {
        pruneTrashBatches();
        say({.message = QStringLiteral("这次投喂已经撤销。"), .duration = 5});
        return;
    }
    int restored = 0;
    QStringList failures;
    for (const TrashReceipt& receipt : matched) {
        try {
            trash_.undo(receipt);
            ++restored;
        } catch (const std::exception& error) {
            failures.append(describe(error));
        }
    }
    pruneTrashBatches();
    const QString count = QString::number(restored);
    if (failures.isEmpty()) {
        say({.message = QStringLiteral("还给你，完好无损。"),
             .detail = QStringLiteral("已恢复 ") + count + QStringLiteral(" 个文件到原位置"),
             .duration = 8});
        setLastTrashSummary(QStringLiteral("已恢复 ") + count + QStringLiteral(" 个文件。"));
        return;
    }
    say({.message = QStringLiteral("还有文件没能恢复。"),
         .detail = failures.front(),
         .duration = 15});
    setLastTrashSummary(QStringLiteral("已恢复 ") + count + QStringLiteral(" 个文件；") +
                        QString::number(failures.size()) + QStringLiteral(" 项需要处理。"));
}

void AppModel::undoLastTrash() {
    pruneTrashBatches();
    if (trashBatches_.empty()) {
        say({.message = QStringLiteral("没有待撤销的投喂。"), .duration = 5});
        return;
    }
    undoTrash(trashBatches_.back());
}

void AppModel::pruneTrashBatches() {
    QSet<QUuid> live;
    for (const TrashReceipt& receipt : trash_.receipts()) {
        live.insert(receipt.id);
    }
    for (std::vector<QUuid>& batch : trashBatches_) {
        std::erase_if(batch, [&live](const QUuid& id) { return !live.contains(id); });
    }
    std::erase_if(trashBatches_, [](const std::vector<QUuid>& batch) { return batch.empty(); });
    setCanUndoTrash(!trashBatches_.empty());
}

// The file is made on the home file system, so that it goes to the Trash the user sees. Its
// folder stays behind: an undo puts the file back there.
void AppModel::demonstrateTrash() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/pet-tundle/TundleDemo-") + uuidText(newUuid());
    const QString file = folder + QStringLiteral("/糯墩的小饼干.txt");
    try {
        FileIO::writeAtomically(
            file, QStringLiteral("这是糯墩生成的演示文件，可以从废纸篓恢复。\n").toUtf8());
    } catch (const std::exception& error) {
        say({.message = QStringLiteral("演示文件没准备好。"),
             .detail = describe(error),
             .duration = 12});
        return;
    }
    eatFiles({QUrl::fromLocalFile(file)}, true);
}

void AppModel::openTrash() {
    // A Trash nothing was ever moved to does not exist yet, and a file manager asked to open a
    // missing folder shows nothing; it is made as the Trash would be, private to the user.
    const QString trash = world_.fileManager.trashDirectory();
    const QString files = trash + QStringLiteral("/files");
    if (!QFileInfo(trash).isDir() && QDir().mkpath(trash)) {
        QFile::setPermissions(
            trash, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QDir().mkpath(files);
    world_.opener->openUrl(QUrl::fromLocalFile(files));
}

}  // namespace tundle
