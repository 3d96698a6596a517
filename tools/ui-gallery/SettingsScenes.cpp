#include <QFile>
#include <QTemporaryDir>

#include "GalleryScene.h"
#include "config/ConfigurationPackage.h"
#include "controlcentre/SettingsPage.h"
#include "controlcentre/TrashCard.h"

namespace tundle::gallery {

namespace {

enum class SettingsState { farmOn, farmOff, packError, updatesChecking, updatesReady };

QImage drawSettings(SettingsState state) {
    GalleryWorld gallery;
    if (state == SettingsState::packError) {
        gallery.model = gallery.world.model(PetAssetPack::originalVideo);
        UserConfiguration imported;
        imported.preferences.petAssetPack = QStringLiteral("OriginalVideo");
        gallery.model->importConfiguration(ConfigurationPackage(imported));
    }
    AppModel& model = *gallery.model;
    model.farm().setVisible(state != SettingsState::farmOff);
    UpdateStatus& updates = model.updates();
    if (state == SettingsState::updatesReady) {
        updates.setAppUpdateAvailable(true);
        updates.setAppUpdateStatus(QStringLiteral("软件更新已启用"));
        updates.setContentUpdateAvailable(true);
        updates.setContentUpdateStatus(QStringLiteral("资源已是最新版本"));
    } else if (state == SettingsState::updatesChecking) {
        updates.setAppUpdateAvailable(true);
        updates.setAppUpdateStatus(QStringLiteral("正在检查软件更新…"));
        updates.setContentUpdateAvailable(true);
        updates.setContentUpdateBusy(true);
        updates.setContentUpdateStatus(QStringLiteral("正在检查资源更新…"));
    }
    return renderInWindow(new SettingsPage(model), 720);
}

enum class FeedingState { idle, targeted, undo };

QImage drawFeeding(FeedingState state) {
    GalleryWorld gallery;
    AppModel& model = *gallery.model;
    auto* card = new TrashCard(model, model.trash());
    QTemporaryDir folder;
    if (state == FeedingState::targeted) {
        card->setTargeted(true);
    } else if (state == FeedingState::undo) {
        const QString path = folder.filePath(
            QStringLiteral("2026年第一季度汇报材料-最终版-真的最终版-请勿再改.pdf"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write("slides");
            file.close();
        }
        model.eatFiles({QUrl::fromLocalFile(path)}, false);
    }
    return renderInWindow(card, 560);
}

}  // namespace

void addSettingsScenes(GalleryScenes& scenes) {
    const std::pair<const char*, SettingsState> settings[] = {
        {"settings-farm-on", SettingsState::farmOn},
        {"settings-farm-off", SettingsState::farmOff},
        {"settings-pack-error", SettingsState::packError},
        {"settings-updates-checking", SettingsState::updatesChecking},
        {"settings-updates-ready", SettingsState::updatesReady},
    };
    for (const auto& [name, state] : settings) {
        scenes.push_back(
            {QString::fromUtf8(name), [shown = state] { return drawSettings(shown); }});
    }
    const std::pair<const char*, FeedingState> feeding[] = {
        {"feeding-idle", FeedingState::idle},
        {"feeding-targeted", FeedingState::targeted},
        {"feeding-undo", FeedingState::undo},
    };
    for (const auto& [name, state] : feeding) {
        scenes.push_back({QString::fromUtf8(name), [shown = state] { return drawFeeding(shown); }});
    }
}

}  // namespace tundle::gallery
