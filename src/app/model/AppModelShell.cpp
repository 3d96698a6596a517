#include "model/AppModel.h"

namespace tundle {

void AppModel::setPetVisible(bool visible) {
    if (petVisible_ != visible) {
        petVisible_ = visible;
        emit petVisibleChanged();
        emit changed();
    }
}

void AppModel::togglePetVisible() {
    setPetVisible(!petVisible_);
    if (changePetVisibility_) {
        changePetVisibility_(petVisible_);
    }
}

void AppModel::showPet() {
    setPetVisible(true);
    if (changePetVisibility_) {
        changePetVisibility_(true);
    }
}

void AppModel::changePetScale(double scale) {
    setPetScale(scale);
    if (changePetScale_) {
        changePetScale_(scale);
    }
}

void AppModel::setRoomSettingsPresented(bool presented) {
    if (roomSettingsPresented_ != presented) {
        roomSettingsPresented_ = presented;
        emit roomSettingsPresentedChanged();
        emit changed();
    }
}

}  // namespace tundle
