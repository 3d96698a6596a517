#include "pet/PetSprite.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/InterfaceFont.h"
#include "drawing/PetPalette.h"
#include "drawing/YUpSpace.h"
#include "pet/SpriteFrames.h"
#include "pets/PetAssets.h"

namespace tundle {

namespace {

// The assets answer in Qt's coordinates; the placement is symmetric, so it goes through a flip.
QRectF normalized(const PetAssets& assets, const QString& clip, const QRectF& rect) {
    const YUpSpace flip(0);
    return flip.fromQt(assets.normalizedRect(clip, flip.toQt(rect)));
}

}  // namespace

PetSpriteGeometry PetSpriteGeometry::of(const PetFrameState& state) {
    PetSpriteGeometry geometry;
    const double t = state.elapsed;
    const bool has = state.assets && state.assets->hasClip(state.animation);
    if (state.still || !state.assets) {
        geometry.clip = QStringLiteral("idle");
    } else {
        geometry.clip = state.assets->resolvedClip(state.animation);
        geometry.eating = state.animation == u"eating" && !has;
        geometry.poof = state.animation == u"poof" && !has;
        geometry.harvest = state.animation == u"harvest" && !has;
    }
    QRectF r = state.assets ? normalized(*state.assets, geometry.clip, state.spriteRect)
                            : state.spriteRect;
    if (geometry.eating) {
        const double k = std::sin(24 * t) * 0.035;
        r = YUpSpace::inset(r, -r.width() * k, r.height() * k * 0.5).value_or(QRectF());
    }
    if (geometry.harvest) {
        const double a = 1.45 * (t / harvestSeconds);
        const double k = a < 1 ? std::sin(a * std::numbers::pi) : 0;
        r = YUpSpace::inset(r, -0.035 * k * r.width(), 0.1 * k * r.height()).value_or(QRectF());
        r.translate(0, -0.045 * k * r.height());
    }
    geometry.rect = r;
    if (!state.still && geometry.clip != u"idle" && state.assets) {
        const double d = state.assets->duration(geometry.clip);
        geometry.opacity =
            std::min({std::max((d - t) / fadeSeconds, 0.0), std::max(t / fadeSeconds, 0.0), 1.0});
    }
    const double right = r.x() + r.width();
    geometry.eatingTextAt = {state.boundsWidth / 2 - 26, r.center().y() - 4};
    const double starQ = std::min(t / harvestSeconds, 1.0);
    geometry.starAt = {r.center().x() + 0.22 * r.width(), r.y() + 0.62 * r.height()};
    geometry.starAlpha = std::max(1 - 4 * std::abs(starQ - 0.72), 0.0);
    const double q = std::min(t / poofSeconds, 1.0);
    geometry.puffAlpha = (1 - q) * 0.48;
    for (int i = 0; i < 3; ++i) {
        const double side = 14 * q + 14 + 6 * i;
        geometry.puffs[i] = {0.72 * right + 20 * q + 8 * i, r.y() + 0.22 * r.height() + 10 * i,
                             side, side};
    }
    geometry.poofTextAt = {0.68 * right, 0.4 * r.height()};
    return geometry;
}

void drawPetSprite(QPainter& painter, const YUpSpace& space, const PetFrameState& state,
                   SpriteFrames* frames) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (state.draggingFile) {
        if (const auto glow = YUpSpace::inset(state.spriteRect, 28, 20)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(PetPalette::rgb(0.97, 0.59, 0.2, 0.16));
            painter.drawEllipse(space.toQt(*glow));
        }
    }
    const PetSpriteGeometry geometry = PetSpriteGeometry::of(state);
    const QImage* image =
        state.assets ? state.assets->frame(geometry.clip, state.elapsed, state.still) : nullptr;
    if (!image) {
        space.drawText(painter, {60, 100}, QStringLiteral("素材加载中"), interfaceFont(14),
                       PetPalette::secondaryLabel());
        painter.restore();
        return;
    }
    // Only a frame scaled on the way is smoothed: a frame kept at its size is copied as it is.
    if (geometry.opacity < 1) {
        if (const QImage* idle =
                state.assets->frame(QStringLiteral("idle"), state.elapsed, false)) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setOpacity(1 - geometry.opacity);
            painter.drawImage(space.toQt(state.spriteRect), *idle);
        }
    }
    if (frames && geometry.opacity >= 1) {
        frames->draw(painter, space.toQt(geometry.rect), *image);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setOpacity(geometry.opacity);
        painter.drawImage(space.toQt(geometry.rect), *image);
        painter.setOpacity(1);
    }

    if (geometry.eating) {
        space.drawText(painter, geometry.eatingTextAt, QStringLiteral("啊呜…"),
                       interfaceFont(15, QFont::Medium), PetPalette::orange());
    }
    if (geometry.harvest) {
        space.drawText(painter, geometry.starAt, QStringLiteral("✦"),
                       interfaceFont(15, QFont::Medium),
                       PetPalette::rgb(1.0, 0.72, 0.16, geometry.starAlpha));
    }
    if (geometry.poof) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(PetPalette::rgb(0.73, 0.68, 0.46, geometry.puffAlpha));
        for (const QRectF& puff : geometry.puffs) {
            painter.drawEllipse(space.toQt(puff));
        }
        space.drawText(painter, geometry.poofTextAt, QStringLiteral("噗～"),
                       interfaceFont(17, QFont::Medium), PetPalette::secondaryLabel());
    }
    painter.restore();
}

}  // namespace tundle
