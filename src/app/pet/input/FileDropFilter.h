#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class QDropEvent;
class QMimeData;

namespace tundle {

class AppModel;
class PetCanvas;

// Files dragged onto the pet are fed to the Trash: only local files, only over the pet's
// opaque pixels. The drop is reported to its source as a copy, so a source that would delete
// moved originals never loses the files the feeding refused.
class FileDropFilter : public QObject {
    Q_OBJECT

public:
    FileDropFilter(PetCanvas& canvas, AppModel& model);

    // The local files of a drag, in its order; other items are left out.
    static QList<QUrl> localFiles(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onPet(const QDropEvent* event) const;
    void answer(QDropEvent* event, bool accept);

    PetCanvas& canvas_;
    AppModel& model_;
};

}  // namespace tundle
