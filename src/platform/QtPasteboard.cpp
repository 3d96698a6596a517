#include "platform/QtPasteboard.h"

#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

namespace tundle {

namespace {

// Marks the content this program puts on the clipboard, so it can tell its own from others'.
class OwnContent : public QMimeData {
    Q_OBJECT
};

const QString plainTextType = QStringLiteral("text/plain");

}  // namespace

QtPasteboard::QtPasteboard(QClipboard* clipboard, QObject* parent)
    : QObject(parent), clipboard_(clipboard != nullptr ? clipboard : QGuiApplication::clipboard()) {
    connect(clipboard_, &QClipboard::dataChanged, this, &QtPasteboard::noteChange);
}

QStringList QtPasteboard::types() const {
    const QMimeData* data = clipboard_->mimeData();
    return data != nullptr ? data->formats() : QStringList();
}

std::optional<QString> QtPasteboard::plainText() const {
    const QMimeData* data = clipboard_->mimeData();
    if (data == nullptr) {
        return std::nullopt;
    }
    // Only a real text form counts: a list of files alone is not text.
    const QStringList formats = data->formats();
    const bool hasText = std::any_of(formats.begin(), formats.end(), [](const QString& format) {
        return format == plainTextType || format.startsWith(plainTextType + u';');
    });
    if (!hasText) {
        return std::nullopt;
    }
    return data->text();
}

void QtPasteboard::clearContents() {
    writing_ = true;
    clipboard_->clear();
    writing_ = false;
    ++changeCount_;
}

bool QtPasteboard::setPlainText(const QString& text) {
    auto* content = new OwnContent;
    content->setText(text);
    writing_ = true;
    clipboard_->setMimeData(content);
    writing_ = false;
    ++changeCount_;
    const QMimeData* held = clipboard_->mimeData();
    return held != nullptr && held->text() == text;
}

void QtPasteboard::noteChange() {
    if (writing_ || holdsOwnContent()) {
        return;
    }
    ++changeCount_;
}

bool QtPasteboard::holdsOwnContent() const {
    return qobject_cast<const OwnContent*>(clipboard_->mimeData()) != nullptr;
}

}  // namespace tundle

#include "QtPasteboard.moc"
