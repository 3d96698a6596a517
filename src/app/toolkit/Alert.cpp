#include "toolkit/Alert.h"

#include <QLabel>
#include <QPushButton>

#include "toolkit/ToolkitStyle.h"

namespace tundle {

namespace {

QMessageBox::ButtonRole boxRole(AlertButton::Role role) {
    switch (role) {
        case AlertButton::Role::accept:
            return QMessageBox::AcceptRole;
        case AlertButton::Role::cancel:
            return QMessageBox::RejectRole;
        case AlertButton::Role::destructive:
            return QMessageBox::DestructiveRole;
    }
    return QMessageBox::AcceptRole;
}

// "&" in a title would otherwise become a mnemonic.
QString buttonText(const QString& title) {
    QString text = title;
    return text.replace(u'&', QStringLiteral("&&"));
}

}  // namespace

QMessageBox* openAlert(QWidget* parent, Alert alert) {
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box->setIcon(alert.icon);
    box->setWindowTitle(alert.title);
    box->setTextFormat(Qt::PlainText);
    box->setText(alert.title);
    if (auto* title = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        QFont font = title->font();
        font.setBold(true);
        title->setFont(font);
    }
    if (!alert.message.isEmpty()) {
        box->setInformativeText(alert.message);
        if (auto* message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
            message->setTextFormat(Qt::PlainText);
        }
    }
    if (alert.buttons.empty()) {
        alert.buttons.push_back({QStringLiteral("好")});
    }

    auto actions =
        std::make_shared<std::vector<std::pair<QAbstractButton*, std::function<void()>>>>();
    QPushButton* firstAccept = nullptr;
    QPushButton* cancel = nullptr;
    for (AlertButton& button : alert.buttons) {
        QPushButton* added = box->addButton(buttonText(button.title), boxRole(button.role));
        if (button.role == AlertButton::Role::destructive) {
            ToolkitStyle::markDestructive(*added);
        }
        actions->emplace_back(added, std::move(button.action));
        if (button.role == AlertButton::Role::accept && !firstAccept) {
            firstAccept = added;
        }
        if (button.role == AlertButton::Role::cancel && !cancel) {
            cancel = added;
        }
    }
    box->setDefaultButton(firstAccept);
    if (cancel) {
        box->setEscapeButton(cancel);
    } else if (alert.buttons.size() == 1) {
        box->setEscapeButton(actions->front().first);
    }

    QObject::connect(box, &QMessageBox::finished, box,
                     [box, actions, closed = std::move(alert.closed)] {
                         // A closed window counts as the escape button, which the box
                         // records only after it has finished.
                         QAbstractButton* pressed =
                             box->clickedButton() ? box->clickedButton() : box->escapeButton();
                         for (const auto& [button, action] : *actions) {
                             if (button == pressed && action) {
                                 action();
                             }
                         }
                         if (closed) {
                             closed();
                         }
                     });
    box->open();
    return box;
}

}  // namespace tundle
