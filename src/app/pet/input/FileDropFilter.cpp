#include "pet/input/FileDropFilter.h"

#include <QDragMoveEvent>
#include <QMimeData>

#include "drawing/YUpSpace.h"
#include "model/AppModel.h"
#include "pet/PetCanvas.h"

namespace tundle {

FileDropFilter::FileDropFilter(PetCanvas& canvas, AppModel& model)
    : QObject(&canvas), canvas_(canvas), model_(model) {
    canvas.setAcceptDrops(true);
    canvas.installEventFilter(this);
}

QList<QUrl> FileDropFilter::localFiles(const QMimeData* data) {
    QList<QUrl> files;
    if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                files << url;
            }
        }
    }
    return files;
}

bool FileDropFilter::onPet(const QDropEvent* event) const {
    const YUpSpace space(canvas_.height());
    return model_.assets().contains(space.fromQt(event->position()), canvas_.spriteRect());
}

void FileDropFilter::answer(QDropEvent* event, bool accept) {
    if (accept) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}

bool FileDropFilter::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter: {
            // Every drag event is a drop event, and only its members are used here.
            auto* enter = static_cast<QDropEvent*>(event);
            if (localFiles(enter->mimeData()).isEmpty()) {
                enter->ignore();
                return true;
            }
            canvas_.setDraggingFile(true);
            // The entry itself is taken so the moves keep coming; the operation stays none
            // until the pointer is over the pet.
            enter->setDropAction(onPet(enter) ? Qt::CopyAction : Qt::IgnoreAction);
            enter->accept();
            return true;
        }
        case QEvent::DragMove: {
            auto* move = static_cast<QDropEvent*>(event);
            answer(move, canvas_.draggingFile() && onPet(move));
            return true;
        }
        case QEvent::DragLeave:
            canvas_.setDraggingFile(false);
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const bool wasDragging = canvas_.draggingFile();
            canvas_.setDraggingFile(false);
            const QList<QUrl> files = localFiles(drop->mimeData());
            answer(drop,
                   wasDragging && onPet(drop) && !files.isEmpty() && model_.eatFiles(files, false));
            return true;
        }
        default:
            return false;
    }
}

}  // namespace tundle
