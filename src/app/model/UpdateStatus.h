#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace tundle {

// What the control centre and the status menu show of software and content updates, and the
// checks the update coordinator offers them once its settings are usable. Main thread only.
class UpdateStatus : public QObject {
    Q_OBJECT

public:
    const QString& appUpdateStatus() const { return appUpdateStatus_; }
    const QString& contentUpdateStatus() const { return contentUpdateStatus_; }
    bool contentUpdateBusy() const { return contentUpdateBusy_; }
    bool appUpdateAvailable() const { return appUpdateAvailable_; }
    bool contentUpdateAvailable() const { return contentUpdateAvailable_; }
    // Unset until the coordinator installs them; callers fall back to the settings page.
    const std::function<void()>& checkAppUpdate() const { return checkAppUpdate_; }
    const std::function<void()>& checkContentUpdate() const { return checkContentUpdate_; }

    void setAppUpdateStatus(const QString& text);
    void setContentUpdateStatus(const QString& text);
    void setContentUpdateBusy(bool busy);
    void setAppUpdateAvailable(bool available);
    void setContentUpdateAvailable(bool available);
    void setCheckAppUpdate(std::function<void()> check) { checkAppUpdate_ = std::move(check); }
    void setCheckContentUpdate(std::function<void()> check) {
        checkContentUpdate_ = std::move(check);
    }

signals:
    void appUpdateStatusChanged();
    void contentUpdateStatusChanged();
    void contentUpdateBusyChanged();
    void appUpdateAvailableChanged();
    void contentUpdateAvailableChanged();
    void changed();

private:
    QString appUpdateStatus_ = QStringLiteral("尚未配置软件更新");
    QString contentUpdateStatus_ = QStringLiteral("使用内置动作");
    bool contentUpdateBusy_ = false;
    bool appUpdateAvailable_ = false;
    bool contentUpdateAvailable_ = false;
    std::function<void()> checkAppUpdate_;
    std::function<void()> checkContentUpdate_;
};

}  // namespace tundle
