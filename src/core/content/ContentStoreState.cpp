#include "content/ContentStoreState.h"

#include <QJsonObject>

#include "support/JsonReader.h"
#include "support/JsonWriter.h"

namespace tundle {

std::optional<ContentStoreState> ContentStoreState::decode(const QByteArray& bytes) {
    try {
        const JsonObject json = JsonObject::parse(bytes);
        const auto text = [](const JsonValue& value) { return value.toString(); };
        return ContentStoreState{
            .current = json.optional(QStringLiteral("current"), text),
            .previous = json.optional(QStringLiteral("previous"), text),
            .highestSequence = json.required(QStringLiteral("highestSequence")).toInteger(),
        };
    } catch (const JsonError&) {
        return std::nullopt;
    }
}

QByteArray ContentStoreState::encode() const {
    QJsonObject json{{QStringLiteral("highestSequence"), highestSequence}};
    if (current) {
        json.insert(QStringLiteral("current"), *current);
    }
    if (previous) {
        json.insert(QStringLiteral("previous"), *previous);
    }
    return JsonWriter::compact(json);
}

}  // namespace tundle
