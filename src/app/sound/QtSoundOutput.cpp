#include "sound/QtSoundOutput.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

namespace tundle {

namespace {

class MediaClipSound : public ClipSound {
public:
    explicit MediaClipSound(const QByteArray& bytes) : buffer_() {
        buffer_.setData(bytes);
        buffer_.open(QIODevice::ReadOnly);
        player_.setAudioOutput(&output_);
        player_.setSourceDevice(&buffer_);
    }

    ~MediaClipSound() override {
        player_.stop();
        player_.setSourceDevice(nullptr);
    }

    void play() override { player_.play(); }
    void stop() override { player_.stop(); }

private:
    QBuffer buffer_;
    QAudioOutput output_;
    QMediaPlayer player_;
};

}  // namespace

QtSoundOutput::QtSoundOutput(std::optional<QString> resourceFolder)
    : resourceFolder_(std::move(resourceFolder)) {}

QtSoundOutput::~QtSoundOutput() = default;

void QtSoundOutput::playNamed(const QString& name) {
    auto found = effects_.find(name);
    if (found == effects_.end()) {
        if (!resourceFolder_ || name.contains(QLatin1Char('/'))) {
            return;
        }
        const QString path =
            QDir(*resourceFolder_)
                .filePath(QStringLiteral("Sounds/") + name + QStringLiteral(".wav"));
        if (!QFileInfo(path).isFile()) {
            return;
        }
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
        found = effects_.emplace(name, std::move(effect)).first;
    }
    found->second->play();
}

std::unique_ptr<ClipSound> QtSoundOutput::load(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<MediaClipSound>(bytes);
}

}  // namespace tundle
