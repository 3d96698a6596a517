#pragma once

#include <QString>
#include <QUuid>
#include <optional>
#include <vector>

#include "records/ShortcutItem.h"

namespace tundle {

// The copy of a shortcut that its editor changes, with the editor's rules: validity, the kind
// reset, the name that follows a typed web address or a chosen target, and the pin rule.
class ShortcutDraft {
public:
    explicit ShortcutDraft(ShortcutItem item) : item_(std::move(item)) {}

    // A new application shortcut for the add button: pinned while there is room on the desktop,
    // in the group the page shows.
    static ShortcutItem fresh(int pinnedCount, std::optional<QUuid> group);
    // The name a chosen local target suggests: an application's own name from its .desktop
    // entry, else the file name (without ".desktop" for an application).
    static QString chosenName(ShortcutKind kind, const QString& path);

    const ShortcutItem& item() const { return item_; }
    // The fields with no rule of their own.
    ShortcutItem& fields() { return item_; }

    // A non-blank name and a target; a website's address must normalise. A local path is
    // judged only when the shortcut is tried or saved.
    bool valid() const;
    // The typed address cannot be a web address (an empty one is not judged).
    bool showsAddressHint() const;

    // Changing the kind starts the target over.
    void setKind(ShortcutKind kind);
    // A typed web address; the name follows its host until the user names the shortcut.
    void setTypedAddress(const QString& text);
    // A target chosen in the file chooser; a bookmark is made again on saving.
    void choose(const QString& path);

    // How many shortcuts other than this one are pinned.
    int otherPinned(const std::vector<ShortcutItem>& pinned) const;
    // A pinned shortcut can always be unpinned.
    bool canTogglePin(const std::vector<ShortcutItem>& pinned) const;
    bool showsPinNotice(const std::vector<ShortcutItem>& pinned) const;

    // The message above the buttons.
    std::optional<QString> error;

private:
    ShortcutItem item_;
    // The last name the draft filled in from a web address.
    QString suggestedWebsiteName_;
};

}  // namespace tundle
