#pragma once

#include <QWidget>

#include "accessories/ShortcutViewport.h"

namespace tundle {

class AppModel;

// The frame above the pet that holds the shortcut bubble panel, with the viewport its content
// is laid out in.
class ShortcutHost : public QWidget {
    Q_OBJECT

public:
    explicit ShortcutHost(AppModel& model, QWidget* parent = nullptr);

    ShortcutViewport& viewport() { return viewport_; }

private:
    ShortcutViewport viewport_;
};

}  // namespace tundle
