#pragma once

#include "toolkit/Paper.h"

namespace tundle {

class AppModel;
class MiddleElidedText;
class TextBlock;
class TrashService;

// The file-feeding card: files dropped on it are fed to the pet like files dropped on the pet
// itself; it offers a harmless demonstration, tells the last feeding and undoes the newest one
// while that is possible.
class TrashCard : public Paper {
    Q_OBJECT

public:
    TrashCard(AppModel& model, TrashService& service, QWidget* parent = nullptr);

    // A drag with files hovers over the card.
    bool targeted() const { return targeted_; }
    void setTargeted(bool targeted);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void sync();

    AppModel& model_;
    TrashService& service_;
    bool targeted_ = false;
    TextBlock* title_;
    TextBlock* summary_;
    QWidget* undoRow_;
    MiddleElidedText* undoName_;
};

}  // namespace tundle
