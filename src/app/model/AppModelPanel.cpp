#include <QPointer>

#include "model/AppModel.h"

namespace tundle {

void AppModel::setOpeningShortcut(std::optional<QUuid> id) {
    if (openingShortcut_ != id) {
        openingShortcut_ = id;
        emit openingShortcutChanged();
        emit changed();
    }
}

void AppModel::openShortcut(const ShortcutItem& item) {
    if (openingShortcut_) {
        return;
    }
    setOpeningShortcut(item.id);
    setShortcutOpenError(std::nullopt);
    ShortcutService::open(item, *world_.opener,
                          [model = QPointer<AppModel>(this), generation = functionGeneration_](
                              const std::optional<QString>& message) {
                              if (!model) {
                                  return;
                              }
                              model->setOpeningShortcut(std::nullopt);
                              // The panel was closed or opened again meanwhile: the result belongs
                              // to nobody.
                              if (model->functionGeneration_ != generation) {
                                  return;
                              }
                              if (message) {
                                  model->setShortcutOpenError(message);
                                  return;
                              }
                              model->closeFunctionPanel();
                              model->deliverWaitingReminder();
                          });
}

void AppModel::openShortcutFromSettings(const ShortcutItem& item,
                                        std::function<void(const std::optional<QString>&)> done) {
    ShortcutService::open(item, *world_.opener, std::move(done));
}

void AppModel::openHome() {
    if (showPanel_) {
        showPanel_(PanelPage::home);
    }
}

void AppModel::showPanelPage(PanelPage page) {
    closeFunctionPanel();
    deliverWaitingReminder();
    if (showPanel_) {
        showPanel_(page);
    }
}

void AppModel::openShortcutSettings() {
    showPanelPage(PanelPage::shortcuts);
}

void AppModel::openClipboard() {
    showPanelPage(PanelPage::clipboard);
}

}  // namespace tundle
