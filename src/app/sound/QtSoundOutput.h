#pragma once

#include <QString>
#include <map>
#include <memory>
#include <optional>

#include "model/SoundOutput.h"

class QSoundEffect;

namespace tundle {

// Sounds through Qt Multimedia: the named sounds are the WAV files in the resource folder's
// "Sounds" folder, a clip's sound is decoded from memory by the media backend. A sound the
// backend cannot play stays silent.
class QtSoundOutput : public SoundOutput {
public:
    explicit QtSoundOutput(std::optional<QString> resourceFolder);
    ~QtSoundOutput() override;

    void playNamed(const QString& name) override;
    std::unique_ptr<ClipSound> load(const QByteArray& bytes) override;

private:
    std::optional<QString> resourceFolder_;
    // Loaded on first use and kept, so a repeated sound starts at once.
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace tundle
