#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace tundle {

// A failure whose message is one Simplified Chinese sentence, shown to the user unchanged.
class UserFacingError : public std::exception {
public:
    explicit UserFacingError(QString message);

    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// The text a user reads for any failure: our own message, or the library's description.
QString describe(const std::exception& error);

}  // namespace tundle
