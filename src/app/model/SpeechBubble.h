#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace tundle {

// What the pet says: a message, a smaller detail below it, up to two buttons and how long it
// stays up.
struct SpeechBubble {
    QString message;
    QString detail = {};
    // A button shows only with a title.
    std::optional<QString> actionTitle = std::nullopt;
    std::optional<QString> secondaryTitle = std::nullopt;
    // Seconds until it comes down by itself; 0 for a bubble that stays.
    double duration = 0;
    std::function<void()> action = {};
    std::function<void()> secondaryAction = {};
};

}  // namespace tundle
