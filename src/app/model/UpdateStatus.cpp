#include "model/UpdateStatus.h"

namespace tundle {

namespace {

template <typename Value, typename Signal>
void assign(UpdateStatus& status, Value& field, const Value& value, Signal signal) {
    if (field != value) {
        field = value;
        emit(status.*signal)();
        emit status.changed();
    }
}

}  // namespace

void UpdateStatus::setAppUpdateStatus(const QString& text) {
    assign(*this, appUpdateStatus_, text, &UpdateStatus::appUpdateStatusChanged);
}

void UpdateStatus::setContentUpdateStatus(const QString& text) {
    assign(*this, contentUpdateStatus_, text, &UpdateStatus::contentUpdateStatusChanged);
}

void UpdateStatus::setContentUpdateBusy(bool busy) {
    assign(*this, contentUpdateBusy_, busy, &UpdateStatus::contentUpdateBusyChanged);
}

void UpdateStatus::setAppUpdateAvailable(bool available) {
    assign(*this, appUpdateAvailable_, available, &UpdateStatus::appUpdateAvailableChanged);
}

void UpdateStatus::setContentUpdateAvailable(bool available) {
    assign(*this, contentUpdateAvailable_, available, &UpdateStatus::contentUpdateAvailableChanged);
}

}  // namespace tundle
