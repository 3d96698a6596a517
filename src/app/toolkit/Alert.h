#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

namespace tundle {

struct AlertButton {
    enum class Role {
        // Return presses the first of these.
        accept,
        // Escape presses this one; without one, Escape presses the only button.
        cancel,
        destructive,
    };

    QString title;
    Role role = Role::accept;
    std::function<void()> action = {};
};

// An alert over a window. Title and message are plain text, so a message holding a user's file
// name shows it as written.
struct Alert {
    QString title;
    QString message;
    // Empty: one "好".
    std::vector<AlertButton> buttons = {};
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // Runs once the alert has closed, whichever way, after the pressed button's action.
    std::function<void()> closed = {};
};

// Gives a message box the alerts' text column: wide enough that a sentence of two dozen
// characters takes at most two lines, and a path in the message breaks only after a "/".
// openAlert does it; a box that must run its own loop is shaped before it runs.
void shapeAlert(QMessageBox& box);

// Opens the alert modal to the parent's window with open() (no nested event loop) and deletes
// it when it closes; the box is returned for the caller to close it early or to test it.
QMessageBox* openAlert(QWidget* parent, Alert alert);

}  // namespace tundle
