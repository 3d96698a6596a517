#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "sound/QtSoundOutput.h"
#include "support/ResourceReader.h"

namespace tundle {
namespace {

TEST(QtSoundOutputTest, PlaysWithoutAnAudioDeviceAndNeverFails) {
    // The application's own choice of backend; the other one cannot run without a device.
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    const QDir assets(TUNDLE_GENERATED_ASSETS);
    QtSoundOutput sounds(assets.path());
    for (const char* name : {"Pop", "Pop", "Nope", "../H3/jump"}) {
        sounds.playNamed(name);
    }
    EXPECT_EQ(sounds.load({}), nullptr);
    for (const QByteArray& bytes : {ResourceReader::read(assets.filePath("H3/jump.wav"), 1 << 20),
                                    QByteArray("not a sound at all")}) {
        std::unique_ptr<ClipSound> clip = sounds.load(bytes);
        ASSERT_NE(clip, nullptr);
        clip->play();
        QCoreApplication::processEvents();
        clip->stop();
    }
}

}  // namespace
}  // namespace tundle
