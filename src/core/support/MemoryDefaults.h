#pragma once

#include <QHash>

#include "support/Defaults.h"

namespace tundle {

// Settings kept in memory only; never the standard object.
class MemoryDefaults : public Defaults {
public:
    bool isStandard() const override { return false; }
    QVariant value(const QString& key) const override { return values_.value(key); }
    void setValue(const QString& key, const QVariant& value) override {
        values_.insert(key, value);
    }
    void remove(const QString& key) override { values_.remove(key); }
    void sync() override {}

private:
    QHash<QString, QVariant> values_;
};

}  // namespace tundle
