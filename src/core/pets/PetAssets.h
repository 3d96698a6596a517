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
#include "support/ImageSource.h"

namespace tundle {

struct BreathMoment;
struct ContentModule;

// One clip that passed every limit: its manifest entry and, while the clip is shown, its
// frames, each a square of the pack's frame size. The sheet stays encoded in `sheet` (clips
// that share a file share its bytes), so frames let go of can be decoded again.
struct PetClip {
    ClipInfo info;
    mutable std::optional<ImageSource> sheet;
    mutable std::vector<QImage> frames;
    // The sheet did not decode.
    mutable bool failed = false;

    bool decoded() const { return !frames.empty(); }
    // A clip whose sheet did not decode has no frames and counts as left out.
    bool usable() const { return !failed; }
};

// One loaded pet pack. Loading never fails loudly: a clip outside its limits is left out and a
// pack without idle frames reports `loaded()` false. The loader reads each sheet file once;
// decoding `onFirstUse` decodes only idle at load and another clip's frames the first time they
// are asked for, by the thread that asks, so such an instance is used by one thread at a time.
// Uses QImage only: a pack decoded `now` may be built off the main thread and handed over.
class PetAssets {
public:
    // A pixel of the pet takes the mouse when its alpha is above this.
    static constexpr int maskThreshold = 24;

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
    // `onFirstUse` decodes only idle now and every other clip when it is first shown, for the
    // built-in packs the application starts with; a pack handed between threads decodes `now`.
    enum class Decoding { now, onFirstUse };
    PetAssets(const std::optional<QString>& root, PetAssetPack pack,
              const std::optional<QString>& resourceFolder = std::nullopt,
              Decoding decoding = Decoding::now);

    // The file `name` directly inside `folder`, with links resolved; nothing when it leaves the
    // folder or does not exist.
    static std::optional<QString> containedURL(const QString& name, const QString& folder);
    // The same for a sprite-sheet name, which must also be a plain ".png" name.
    static std::optional<QString> assetURL(const QString& name, const QString& folder);
    // Refuses, with a ContentUpdateError naming what is wrong, a downloaded "pet.actions" module
    // that breaks a limit; errors reading or decoding its manifest pass through unchanged.
    static void validateModule(const ContentModule& module, const QString& folder);

    // The clips that passed the limits at load, decoded or not; see `frames` for their frames.
    const std::map<QString, PetClip>& clips() const { return clips_; }
    // The clip's frames, decoded now when they were not yet; empty when the pack lacks the clip
    // or its sheet does not decode.
    const std::vector<QImage>& frames(const QString& clip) const;
    // Lets go of the frames of every clip but idle and the one that plays for `keep`: a pack's
    // clips hold several megabytes of frames each, and most play for seconds an hour. They are
    // decoded again when next shown. Frames handed out before are no longer valid.
    void releaseFrames(const QString& keep) const;
    // How many clips hold decoded frames, and the bytes those frames and the hit mask hold.
    int decodedClipCount() const;
    qint64 decodedBytes() const;
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
    // Decodes every clip now, leaving out those whose sheet does not decode.
    void decodeAll();
    // Checks the clip against the limits and its sheet's declared size, reading each sheet file
    // once into `sheets` (keyed by path); nothing is decoded here.
    void loadClip(const QString& folder, const QString& id, const ClipInfo& info,
                  std::map<QString, std::optional<ImageSource>>& sheets);
    void dropClip(const QString& id);
    // The clip of that id unless it was left out.
    const PetClip* usable(const QString& clip) const;
    // The clip that plays for `clip` (see resolvedClip); null when idle has no frames either.
    const PetClip* playing(const QString& clip) const;
    // Decodes the clip's frames when they were not yet; false when the sheet does not decode.
    bool decode(const PetClip& clip) const;
    static int frameIndexIn(const PetClip& clip, double elapsed, bool still);
    double fallbackDuration(const QString& clip) const;

    std::map<QString, PetClip> clips_;
    std::map<QString, QString> triggers_;
    std::map<QString, ActionGroupInfo> groups_;
    std::map<QString, QString> audioFiles_;
    // Filled when idle's frames are decoded (at load); kept even if idle is then left out.
    mutable QByteArray firstAlpha_;
    qint64 size_ = 320;
    bool loaded_ = false;
};

}  // namespace tundle
