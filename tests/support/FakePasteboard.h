#pragma once

#include <QStringList>
#include <optional>

#include "companion/Pasteboard.h"

namespace tundle::test {

// A pasteboard the test writes to as another application would.
class FakePasteboard : public Pasteboard {
public:
    qint64 changeCount() const override { return count; }
    QStringList types() const override { return currentTypes; }
    std::optional<QString> plainText() const override { return text; }
    void clearContents() override { ++count; }
    bool setPlainText(const QString& value) override {
        if (!accepts) {
            return false;
        }
        ++count;
        text = value;
        return true;
    }

    qint64 count = 7;
    QStringList currentTypes;
    std::optional<QString> text;
    // Whether a copy onto it succeeds.
    bool accepts = true;
};

}  // namespace tundle::test
