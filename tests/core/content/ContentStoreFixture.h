#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

#include "content/ContentUpdateStore.h"
#include "core/content/ContentStoreTestKit.h"
#include "support/ConfigurationError.h"
#include "support/TemporaryHome.h"

namespace tundle::test {

inline const QString base = QStringLiteral("https://content.test/cdn");
inline const QString envelopeUrl = base + QStringLiteral("/content/stable.json");

inline QString assetUrl(const QString& hash) {
    return base + QStringLiteral("/assets/") + hash;
}

// A store of the channel "stable" under a temporary folder, fed by a scripted server. Its
// validator counts its calls and refuses a module that holds a file named "reject".
class ContentStoreFixture : public ::testing::Test {
protected:
    std::unique_ptr<ContentUpdateStore> makeStore() {
        ContentValidators validators{
            {QStringLiteral("room.scene"),
             [calls = validatorCalls](const ContentModule&, const QString& folder) {
                 ++*calls;
                 if (QFile::exists(folder + QStringLiteral("/reject"))) {
                     throw ConfigurationError(QStringLiteral("场景不可用"));
                 }
             }}};
        return std::make_unique<ContentUpdateStore>(storeRoot, base, signer.publicKeyBase64(), 10,
                                                    validators, QStringLiteral("stable"),
                                                    server.fetch());
    }

    void publish(const TestRelease& release) {
        server.serve(envelopeUrl, release.envelope);
        for (const auto& [hash, bytes] : release.assets) {
            server.serve(assetUrl(hash), bytes);
        }
    }

    QString storePath(const QString& name) const { return storeRoot + u'/' + name; }

    QStringList releaseFolders() const {
        return QDir(storePath(QStringLiteral("releases")))
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QString releasePath(const TestRelease& release) const {
        return QDir::cleanPath(storePath(QStringLiteral("releases/") + release.folderName()));
    }

    QByteArray stateFile() const { return readAll(storePath(QStringLiteral("state.json"))); }

    // Prepares and activates a release, as the application does.
    void install(ContentUpdateStore& store, const TestRelease& release) {
        publish(release);
        const PrepareOutcome prepared = prepareNow(store);
        ASSERT_TRUE(prepared.snapshot) << prepared.error.toStdString();
        ASSERT_EQ(activateNow(store, *prepared.snapshot), QString());
    }

    QTemporaryDir root;
    QString storeRoot = root.path();
    ContentSigner signer;
    ScriptedServer server;
    std::shared_ptr<std::atomic<int>> validatorCalls = std::make_shared<std::atomic<int>>(0);
    TestRelease first =
        makeRelease(signer, 1, {{"room", {{"scene.json", "{}"}, {"sky.png", "sky"}}}});
};

}  // namespace tundle::test
