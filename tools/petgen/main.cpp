#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "petgen/AccessoryArt.h"
#include "petgen/PackWriter.h"
#include "petgen/WavSynth.h"

// Draws the built-in pet packs, their sounds, the two named sounds, the accessories' pictures
// and a contact sheet per pack into the folder given as the only argument.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: petgen <assets folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString assets = QString::fromLocal8Bit(argv[1]);
    try {
        using namespace tundle;
        writePack(
            assets,
            {PetAssetPack::originalVideo,
             PetStyle::soft(),
             true,
             {{"petClick", "jump"}, {"waterReminder", "drink"}, {"movementReminder", "jump"}}});
        QDir(assets).mkpath(QStringLiteral("Sounds"));
        WavSynth::write(QDir(assets).filePath(QStringLiteral("Sounds/Pop.wav")), WavSynth::pop());
        WavSynth::write(QDir(assets).filePath(QStringLiteral("Sounds/Purr.wav")), WavSynth::purr());
        AccessoryArt::write(assets);
        // H3's manifest is the build's record that the assets are complete, so it comes last.
        writePack(
            assets,
            {PetAssetPack::h3,
             PetStyle::crisp(),
             false,
             {{"petClick", "jump"}, {"waterReminder", "drink"}, {"movementReminder", "stretch"}}});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "petgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
