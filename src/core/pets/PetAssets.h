#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <map>
#include <optional>
#include <vector>

#include "pets/AssetManifest.h"
#include "pets/PetAssetPack.h"

namespace tundle {

struct BreathMoment;
struct ContentModule;

// One clip that passed every limit: its manifest entry and its frames, each a square of the
// pack's frame size.
struct PetClip {
    ClipInfo info;
    std::vector<QImage> frames;
};

// One loaded pet pack. Loading never fails loudly: a clip outside its limits is left out and a
// pack without idle frames reports `loaded()` false. Immutable once built; uses QImage only, so
// it may be built off the main thread and handed over.
class PetAssets {
public:
    struct Action {
        QString id;
        QString title;
        std::optional<QString> group;

        bool operator==(const Action&) const = default;
    };

    struct ActionGroup {
        QString id;
        QString title;
        std::vector<Action> actions;

        bool operator==(const ActionGroup&) const = default;
    };

    // Two idle frames to blend: `fraction` (0 up to below 1) of the way from first to second.
    struct BreathFrames {
        const QImage* first;
        const QImage* second;
        double fraction;
    };

    // Loads the pack from `root` (the pack's own folder) when given; otherwise from the first of
    // the resource folder's, then the working directory's "Assets/" and "app/Assets/" pack
    // folders that holds a "manifest.json".
    PetAssets(const std::optional<QString>& root, PetAssetPack pack,
              const std::optional<QString>& resourceFolder = std::nullopt);

    // The file `name` directly inside `folder`, with links resolved; nothing when it leaves the
    // folder or does not exist.
    static std::optional<QString> containedURL(const QString& name, const QString& folder);
    // The same for a sprite-sheet name, which must also be a plain ".png" name.
    static std::optional<QString> assetURL(const QString& name, const QString& folder);
    // Refuses, with a ContentUpdateError naming what is wrong, a downloaded "pet.actions" module
    // that breaks a limit; errors reading or decoding its manifest pass through unchanged.
    static void validateModule(const ContentModule& module, const QString& folder);

    const std::map<QString, PetClip>& clips() const { return clips_; }
    const std::map<QString, QString>& triggers() const { return triggers_; }
    const std::map<QString, ActionGroupInfo>& actionGroupMetadata() const { return groups_; }
    const std::map<QString, QString>& audioFiles() const { return audioFiles_; }
    // Frame 0 of "idle" as premultiplied RGBA, top row first; empty without an idle frame.
    const QByteArray& firstAlpha() const { return firstAlpha_; }
    qint64 size() const { return size_; }
    bool loaded() const { return loaded_; }

    bool hasClip(const QString& clip) const;
    // What plays for `clip`: itself, "jump" for a missing "stretch", else "idle".
    QString resolvedClip(const QString& clip) const;
    double duration(const QString& clip) const;
    std::optional<QString> actionAudioURL(const QString& clip) const;
    std::vector<Action> actions() const;
    std::vector<Action> standaloneActions() const;
    std::vector<ActionGroup> actionGroups() const;
    std::optional<BreathFrames> breathingFrames(const BreathMoment& moment, bool still) const;
    int frameIndex(const QString& clip, double elapsed, bool still) const;
    // Seconds from `elapsed` until `frameIndex` answers differently; none when it never will
    // (a still pet, a single frame, a clip that holds its last frame).
    std::optional<double> secondsToNextFrame(const QString& clip, double elapsed, bool still) const;
    // The frame to show; null when the clip and idle have no frames.
    const QImage* frame(const QString& clip, double elapsed, bool still) const;
    // The rectangle the clip's frames are drawn in when idle is drawn in `rect` (y down).
    QRectF normalizedRect(const QString& clip, const QRectF& rect) const;
    // Whether `point` hits the pet drawn upright in `rect`, both in the drawing's bottom-up
    // coordinates (y up): the mask's top row meets the rectangle's top edge.
    bool contains(const QPointF& point, const QRectF& rect) const;

private:
    void load(const QString& folder);
    void loadClip(const QString& folder, const QString& id, const ClipInfo& info);
    // The clip that plays for `clip` (see resolvedClip); null when idle has no frames either.
    const PetClip* playing(const QString& clip) const;
    static int frameIndexIn(const PetClip& clip, double elapsed, bool still);
    double fallbackDuration(const QString& clip) const;

    std::map<QString, PetClip> clips_;
    std::map<QString, QString> triggers_;
    std::map<QString, ActionGroupInfo> groups_;
    std::map<QString, QString> audioFiles_;
    QByteArray firstAlpha_;
    qint64 size_ = 320;
    bool loaded_ = false;
};

}  // namespace tundle
