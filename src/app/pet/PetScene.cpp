#include "pet/PetScene.h"

#include <QPainter>

#include "drawing/InterfaceFont.h"
#include "drawing/PetPalette.h"
#include "drawing/SoapFilm.h"
#include "drawing/YUpSpace.h"

namespace tundle {

namespace {

void drawButton(QPainter& painter, const YUpSpace& space, const QRectF& rect, double inset,
                const QString& title, SoapFilm& films) {
    films.draw(painter, space, rect, false, Qt::white);
    space.drawText(painter, {rect.x() + inset, rect.y() + 6}, title,
                   interfaceFont(11, QFont::Medium), PetPalette::bubbleInk());
}

// Text rectangles are laid out from their top-left corner.
QPointF topLeft(const YUpSpace& space, const QRectF& rect, QPointF origin) {
    return space.toQt(rect.translated(origin)).topLeft();
}

}  // namespace

void drawBubble(QPainter& painter, const YUpSpace& space, const BubbleScene& bubble,
                SoapFilm& films) {
    const QRectF& r = bubble.rect;
    const BubbleLayout& layout = bubble.layout;
    films.draw(painter, space, r, true, Qt::white);
    BubbleText::draw(painter, topLeft(space, layout.textRect, r.topLeft()), layout.textRect.width(),
                     bubble.content.text, BubbleTextStyle::main);
    if (!bubble.content.detail.isEmpty()) {
        BubbleText::draw(painter, topLeft(space, layout.detailRect, r.topLeft()),
                         layout.detailRect.width(), bubble.content.detail, BubbleTextStyle::detail);
    }
    if (bubble.content.action) {
        drawButton(painter, space, layout.actionRect.translated(r.topLeft()), 12,
                   *bubble.content.action, films);
    }
    if (bubble.content.secondary) {
        drawButton(painter, space, layout.secondaryRect.translated(r.topLeft()), 10,
                   *bubble.content.secondary, films);
    }
}

void drawPetScene(QPainter& painter, const YUpSpace& space, const PetScene& scene, SoapFilm& films,
                  SpriteFrames* frames) {
    drawPetSprite(painter, space, scene.frame, frames);
    if (scene.bubble) {
        drawBubble(painter, space, *scene.bubble, films);
    }
}

}  // namespace tundle
