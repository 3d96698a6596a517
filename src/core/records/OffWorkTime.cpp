#include "records/OffWorkTime.h"

namespace tundle {

OffWorkTime OffWorkTime::fromJson(const JsonObject& json) {
    return OffWorkTime{
        .id = json.required(QStringLiteral("id")).toUuid(),
        .hour = json.required(QStringLiteral("hour")).toInt(),
        .minute = json.required(QStringLiteral("minute")).toInt(),
        .enabled = json.required(QStringLiteral("enabled")).toBool(),
    };
}

QJsonObject OffWorkTime::toJson() const {
    return QJsonObject{
        {QStringLiteral("id"), uuidText(id)},
        {QStringLiteral("hour"), hour},
        {QStringLiteral("minute"), minute},
        {QStringLiteral("enabled"), enabled},
    };
}

}  // namespace tundle
