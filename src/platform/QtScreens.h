#pragma once

#include <QObject>

#include "platform/Screens.h"

class QScreen;

namespace tundle {

// The desktop's screens through Qt; the primary screen is the main one and comes first.
class QtScreens : public QObject, public Screens {
    Q_OBJECT

public:
    explicit QtScreens(QObject* parent = nullptr);

    std::vector<QRectF> visibleFrames() const override;
    std::optional<QRectF> mainVisibleFrame() const override;
    ScreenCoordinates coordinates() const override { return ScreenCoordinates::current(); }

signals:
    // A screen came or went, moved, changed size or the primary screen changed.
    void changed();

private:
    void watch(QScreen* screen);
};

}  // namespace tundle
