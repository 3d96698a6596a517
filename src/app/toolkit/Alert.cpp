#include "toolkit/Alert.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <algorithm>

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

// The least width of an alert's text; QMessageBox would size the box on its title alone.
constexpr int textColumn = 260;
// Characters of a sentence that fit one line of the column, at any size of the font.
constexpr int charactersPerLine = 13;

// A path keeps together except after each "/": a zero-width space there offers the break, and
// a word joiner between its other characters takes away the breaks a hyphen, a space or
// Chinese characters in a name would offer.
QString breakingAtSlashes(const QString& path) {
    const QChar space(0x200B);
    const QChar joiner(0x2060);
    QString text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, path);
    qsizetype start = 0;
    for (qsizetype end = graphemes.toNextBoundary(); end > 0; end = graphemes.toNextBoundary()) {
        const QStringView character = QStringView(path).mid(start, end - start);
        text += character;
        if (end < path.size()) {
            text += character == u'/' ? space : joiner;
        }
        start = end;
    }
    return text;
}

QString withBreakablePaths(const QString& message) {
    // Two folders at least, so a lone "/" (as in "</b>") is left alone.
    static const QRegularExpression path(QStringLiteral("~?(?:/[^\\s/，。；：！？、）]+){2,}/?"));
    QString text;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : path.globalMatch(message)) {
        text += QStringView(message).mid(done, match.capturedStart() - done);
        text += breakingAtSlashes(match.captured());
        done = match.capturedEnd();
    }
    text += QStringView(message).mid(done);
    return text;
}

}  // namespace

void shapeAlert(QMessageBox& box) {
    auto* title = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* message = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    const QFontMetrics metrics((message ? message : title)->font());
    title->setMinimumWidth(
        std::max(textColumn, metrics.horizontalAdvance(QString(charactersPerLine, u'字'))));
    if (message) {
        message->setText(withBreakablePaths(message->text()));
    }
}

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
    shapeAlert(*box);
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
