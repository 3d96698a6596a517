#pragma once

#include <QAbstractSpinBox>
#include <QApplication>
#include <QScrollArea>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

namespace tundle::test {

// How a widget is named in a failure: its accessible name, text or placeholder, else its type.
inline QString focusName(const QWidget* widget) {
    if (!widget) {
        return QStringLiteral("(none)");
    }
    for (const char* property : {"accessibleName", "text", "placeholderText"}) {
        const QString text = widget->property(property).toString();
        if (!text.isEmpty()) {
            return text;
        }
    }
    return QString::fromLatin1(widget->metaObject()->className());
}

inline std::vector<std::string> focusNames(const std::vector<QWidget*>& widgets) {
    std::vector<std::string> names;
    for (const QWidget* widget : widgets) {
        names.push_back(focusName(widget).toStdString());
    }
    return names;
}

// Whether `a` comes before `b` on the screen, read row by row: widgets are compared where
// their branches part, so a scrolled list keeps its contents together; two siblings whose
// heights mostly overlap stand in one row and go left to right, otherwise the higher goes first.
inline bool visuallyBefore(const QWidget* a, const QWidget* b) {
    std::vector<const QWidget*> pathA;
    for (const QWidget* w = a; w; w = w->parentWidget()) {
        pathA.insert(pathA.begin(), w);
    }
    std::vector<const QWidget*> pathB;
    for (const QWidget* w = b; w; w = w->parentWidget()) {
        pathB.insert(pathB.begin(), w);
    }
    std::size_t level = 0;
    while (level < pathA.size() && level < pathB.size() && pathA[level] == pathB[level]) {
        ++level;
    }
    if (level == pathA.size() || level == pathB.size()) {
        return pathA.size() < pathB.size();
    }
    const QRect one = pathA[level]->geometry();
    const QRect two = pathB[level]->geometry();
    const int overlap = std::min(one.bottom(), two.bottom()) - std::max(one.top(), two.top());
    if (overlap * 2 > std::min(one.height(), two.height())) {
        return one.left() < two.left();
    }
    return one.top() < two.top();
}

// The widget that stands for `focused`: a spin box or a drop-down rather than its inner field.
inline QWidget* focusOwner(QWidget* focused) {
    QWidget* owner = focused;
    for (QWidget* each = focused; each; each = each->parentWidget()) {
        if (each->focusProxy() == owner) {
            owner = each;
        }
    }
    return owner;
}

// The widgets of a shown window that Tab can reach, in the order the eye reads them.
inline std::vector<QWidget*> visualFocusOrder(QWidget& window) {
    std::vector<QWidget*> reachable;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
            focusOwner(widget) == widget && widget->window() == &window &&
            !qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) {
            reachable.push_back(widget);
        }
    }
    std::stable_sort(reachable.begin(), reachable.end(), visuallyBefore);
    return reachable;
}

// The widgets Tab (or Shift+Tab) visits from `start`, one round; a widget that moves between
// its own sections (a time box) is listed once.
inline std::vector<QWidget*> walkFocus(QWidget* start, bool forward) {
    start->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited{focusOwner(QApplication::focusWidget())};
    for (int step = 0; step < 200; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
        QWidget* now = focusOwner(QApplication::focusWidget());
        if (now == visited.front()) {
            break;
        }
        if (now != visited.back()) {
            visited.push_back(now);
        }
    }
    return visited;
}

inline std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += name + " | ";
    }
    return text;
}

// Tab walks `window` top to bottom, and Shift+Tab bottom to top, both starting at the first.
inline void expectFocusFollowsTheForm(QWidget& window, const QString& what) {
    const std::vector<QWidget*> order = visualFocusOrder(window);
    ASSERT_FALSE(order.empty()) << what.toStdString();
    for (const QWidget* stop : order) {
        // A page of text alone may keep its stop, so the keyboard can scroll it.
        const auto* area = qobject_cast<const QScrollArea*>(stop);
        const QList<QWidget*> inside =
            area && area->widget() ? area->widget()->findChildren<QWidget*>() : QList<QWidget*>{};
        EXPECT_TRUE(std::none_of(
            inside.begin(), inside.end(),
            [](const QWidget* child) { return bool(child->focusPolicy() & Qt::TabFocus); }))
            << what.toStdString() << ": Tab stops on a scrolling page, which shows no focus";
    }
    const auto forward = focusNames(walkFocus(order.front(), true));
    EXPECT_EQ(forward, focusNames(order)) << what.toStdString() << "\nTab:  " << joined(forward)
                                          << "\nform: " << joined(focusNames(order));
    std::vector<QWidget*> backwards{order.front()};
    backwards.insert(backwards.end(), order.rbegin(), order.rend() - 1);
    const auto backward = focusNames(walkFocus(order.front(), false));
    EXPECT_EQ(backward, focusNames(backwards))
        << what.toStdString() << "\nShift+Tab: " << joined(backward);
}

}  // namespace tundle::test
