#include "config/ConfigurationCoding.h"

#include "config/ConfigurationStoreRead.h"
#include "support/ConfigurationError.h"
#include "support/JsonReader.h"
#include "support/JsonWriter.h"

namespace tundle {

void checkConfigurationSize(const QByteArray& bytes) {
    if (bytes.size() > maximumConfigurationBytes) {
        throw ConfigurationError(QStringLiteral("配置文件过大。"));
    }
}

UserConfiguration decodeConfiguration(const QByteArray& bytes) {
    checkConfigurationSize(bytes);
    const JsonObject document = JsonObject::parse(bytes);
    if (document.required(QStringLiteral("schemaVersion")).toInteger() !=
        UserConfiguration::currentSchemaVersion) {
        throw ConfigurationError(QStringLiteral("配置来自不支持的版本，请更新糯墩后重试。"));
    }
    UserConfiguration configuration = UserConfiguration::fromJson(document);
    validateConfiguration(configuration);
    return configuration;
}

QByteArray encodeConfiguration(const UserConfiguration& configuration) {
    return JsonWriter::pretty(configuration.toJson());
}

QString configurationTooLargeMessage() {
    return QStringLiteral("配置文件超过 %1 MB。").arg(maximumConfigurationBytes / (1024 * 1024));
}

QByteArray readConfigurationFile(const QString& path) {
    return ConfigurationStoreRead::read(path, maximumConfigurationBytes,
                                        configurationTooLargeMessage());
}

}  // namespace tundle
