#pragma once

#include <QString>
#include <QUuid>
#include <optional>

namespace tundle {

// UUIDs are written in upper case everywhere and read in either case.
QString uuidText(const QUuid& id);
QUuid newUuid();
// Only the canonical 36-character 8-4-4-4-12 form; braces and other shapes give nothing.
std::optional<QUuid> parseUuid(const QString& text);

}  // namespace tundle
