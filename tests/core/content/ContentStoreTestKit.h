#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <utility>
#include <vector>

#include "content/ContentFetch.h"
#include "content/ContentRelease.h"
#include "content/ContentUpdateStore.h"
#include "content/Sha256.h"
#include "support/ContentSigning.h"
#include "support/RunUntil.h"
#include "support/TlsTestServer.h"

namespace tundle::test {

inline QString messageOf(const std::exception_ptr& error) {
    if (!error) {
        return QString();
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& failure) {
        return describe(failure);
    }
}

// A server the test scripts: answers by address from any thread, records every request and
// holds back answers to chosen addresses until the test lets them go.
class ScriptedServer {
public:
    void serve(const QString& url, const QByteArray& body) {
        std::lock_guard lock(state_->mutex);
        state_->bodies[url] = body;
    }
    void hold(const QString& url) {
        std::lock_guard lock(state_->mutex);
        state_->held.push_back(url);
    }
    // Answers every held request and stops holding.
    void releaseHeld() {
        std::vector<std::pair<QString, ContentFetchDone>> waiting;
        {
            std::lock_guard lock(state_->mutex);
            waiting = std::exchange(state_->waiting, {});
            state_->held.clear();
        }
        for (const auto& [url, done] : waiting) {
            done(answer(*state_, url));
        }
    }
    int waitingCount() const {
        std::lock_guard lock(state_->mutex);
        return static_cast<int>(state_->waiting.size());
    }
    QStringList requests() const {
        std::lock_guard lock(state_->mutex);
        return state_->requests;
    }
    void clearRequests() {
        std::lock_guard lock(state_->mutex);
        state_->requests.clear();
    }

    ContentFetch fetch() const {
        return [state = state_](const QString& url, qint64, const ContentFetchDone& done) {
            {
                std::lock_guard lock(state->mutex);
                state->requests.append(url);
                if (state->held.contains(url)) {
                    state->waiting.emplace_back(url, done);
                    return;
                }
            }
            done(answer(*state, url));
        };
    }

private:
    struct State {
        mutable std::mutex mutex;
        std::map<QString, QByteArray> bodies;
        QStringList held;
        std::vector<std::pair<QString, ContentFetchDone>> waiting;
        QStringList requests;
    };

    static ContentFetchResult answer(State& state, const QString& url) {
        std::lock_guard lock(state.mutex);
        const auto found = state.bodies.find(url);
        if (found == state.bodies.end()) {
            return std::make_exception_ptr(std::runtime_error("404 Not Found"));
        }
        return found->second;
    }

    std::shared_ptr<State> state_ = std::make_shared<State>();
};

// A signed release with the bodies of its files.
struct TestRelease {
    ContentRelease release;
    std::map<QString, QByteArray> assets;
    QByteArray envelope;

    QString folderName() const {
        return QString::number(release.sequence) + u'-' + Sha256::text(envelope).left(16);
    }
};

using TestFiles = std::vector<std::pair<QString, QByteArray>>;

inline TestRelease makeRelease(const ContentSigner& signer, qint64 sequence,
                               const std::vector<std::pair<QString, TestFiles>>& modules,
                               const QString& kind = QStringLiteral("room.scene")) {
    TestRelease made;
    made.release = ContentRelease{1, sequence, 1, {}};
    for (const auto& [id, files] : modules) {
        ContentModule module{id, kind, 1, {}};
        for (const auto& [name, bytes] : files) {
            const QString hash = Sha256::text(bytes);
            module.files.push_back(ContentFile{name, hash, bytes.size()});
            made.assets[hash] = bytes;
        }
        made.release.modules.push_back(module);
    }
    made.envelope = signer.signRelease(made.release);
    return made;
}

// Synchronous calls on a store, for tests that run on the main thread.
struct PrepareOutcome {
    std::optional<ContentSnapshot> snapshot;
    QString error;
};

inline std::optional<ContentSnapshot> restoreNow(ContentUpdateStore& store) {
    bool finished = false;
    std::optional<ContentSnapshot> result;
    store.restore([&](std::optional<ContentSnapshot> snapshot) {
        result = std::move(snapshot);
        finished = true;
    });
    if (!runUntil([&] { return finished; })) {
        throw std::runtime_error("restore did not answer");
    }
    return result;
}

inline PrepareOutcome prepareNow(ContentUpdateStore& store) {
    bool finished = false;
    PrepareOutcome outcome;
    store.prepare([&](std::optional<ContentSnapshot> snapshot, std::exception_ptr error) {
        outcome = PrepareOutcome{std::move(snapshot), messageOf(error)};
        finished = true;
    });
    if (!runUntil([&] { return finished; })) {
        throw std::runtime_error("prepare did not answer");
    }
    return outcome;
}

inline QString activateNow(ContentUpdateStore& store, const ContentSnapshot& snapshot) {
    bool finished = false;
    QString message;
    store.activate(snapshot, [&](std::exception_ptr error) {
        message = messageOf(error);
        finished = true;
    });
    if (!runUntil([&] { return finished; })) {
        throw std::runtime_error("activate did not answer");
    }
    return message;
}

// Serves `release` under "/cdn" as the content server lays it out: the signed manifest of the
// channel "rooms-v1" and every file by its hash, the files with a length or in chunks.
inline void serveRelease(TlsTestServer& server, const TestRelease& release, bool chunked) {
    server.on("/cdn/content/rooms-v1.json", [envelope = release.envelope](QSslSocket* socket) {
        TlsTestServer::answerWithLength(socket, envelope);
    });
    for (const auto& [hash, bytes] : release.assets) {
        server.on("/cdn/assets/" + hash.toLatin1(), [body = bytes, chunked](QSslSocket* socket) {
            if (chunked) {
                TlsTestServer::answerChunked(socket, body);
            } else {
                TlsTestServer::answerWithLength(socket, body);
            }
        });
    }
}

}  // namespace tundle::test
