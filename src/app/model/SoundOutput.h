#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace tundle {

// The sound of one clip, decoded and ready.
class ClipSound {
public:
    virtual ~ClipSound() = default;
    virtual void play() = 0;
    virtual void stop() = 0;
};

// Where the pet's sounds go. Without an audio device nothing is heard and nothing fails.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // One of the application's own short sounds ("Pop", "Purr"); nothing for an unknown name.
    virtual void playNamed(const QString& name) = 0;
    // A player for a clip's sound file held in memory; null when the bytes are no sound.
    virtual std::unique_ptr<ClipSound> load(const QByteArray& bytes) = 0;
};

}  // namespace tundle
