#pragma once

#include <QPointer>
#include <QUuid>
#include <QWidget>
#include <vector>

#include "accessories/PackedShortcutLayout.h"
#include "accessories/ShortcutViewport.h"

namespace tundle {

class AddShortcutBubble;
class AppModel;
class ShortcutErrorStrip;
class ShortcutPager;
class WaterShortcutButton;

// The shortcut panel above the pet: the pinned shortcuts as soap bubbles in pages, an add
// bubble while nothing is pinned, and the last opening failure with a way to the settings.
// It lays itself out again whenever the model, the shortcut list or the viewport changes.
class DesktopFunctionView : public QWidget {
    Q_OBJECT

public:
    static constexpr double padding = 8;
    static constexpr double spacing = 8;

    // `model` and `viewport` must outlive the view, which keeps the viewport's size.
    DesktopFunctionView(AppModel& model, ShortcutViewport& viewport, QWidget* parent = nullptr);

    // The bubble of a shortcut named `name` in a viewport `viewportWidth` wide: its name in the
    // 11 pt semibold font plus the icon and margins, at least 92 and at most 200 points and
    // never wider than the viewport leaves.
    static double bubbleWidth(const QString& name, double viewportWidth);

    PackedShortcutLayout layout() const { return layout(widths()); }
    int page() const { return page_; }
    int currentPage() const { return layout().clampedPage(page_); }
    void setPage(int page);

    // One button per pinned shortcut in pinned order; those of other pages are hidden.
    const std::vector<WaterShortcutButton*>& buttons() const { return buttons_; }
    ShortcutPager& pager() { return *pager_; }
    AddShortcutBubble& addBubble() { return *add_; }
    ShortcutErrorStrip& errorStrip() { return *strip_; }

    // Places everything for the current state; changes nothing that is already in place.
    void relayout();

private:
    std::vector<double> widths() const;
    PackedShortcutLayout layout(std::vector<double> widths) const;
    void pinnedChanged();
    void syncButtons(const std::vector<double>& widths);

    QPointer<AppModel> model_;
    ShortcutViewport& viewport_;
    int page_ = 0;
    std::vector<QUuid> pinnedIds_;
    QWidget* area_;
    std::vector<WaterShortcutButton*> buttons_;
    ShortcutPager* pager_;
    AddShortcutBubble* add_;
    ShortcutErrorStrip* strip_;
};

}  // namespace tundle
