#include "farm/FarmControls.h"

#include <QPainter>
#include <algorithm>

#include "drawing/FarmPalette.h"
#include "drawing/InterfaceFont.h"
#include "drawing/YUpSpace.h"
#include "farm/FarmArtwork.h"
#include "model/FarmStore.h"

namespace tundle {

namespace {

void drawCentred(QPainter& painter, const YUpSpace& space, const QRectF& box, const QString& text,
                 const FractionalFont& font, const QColor& color) {
    const double width = font.horizontalAdvance(text);
    const double height = font.height();
    space.drawText(painter, {box.center().x() - width / 2, box.center().y() - height / 2}, text,
                   font, color);
}

// The label stands over grass, soil and the pale pet alike, with no plate behind it: a thin dark
// halo around its letters keeps white and gold text readable over all of them.
void drawHaloedCentred(QPainter& painter, const YUpSpace& space, const QRectF& box,
                       const QString& text, const FractionalFont& font, const QColor& color,
                       double scale) {
    const QColor halo = FarmPalette::rgb(0.27, 0.16, 0.08, color.alphaF() * 0.6);
    const double reach = std::max(scale, 0.9);
    for (const QPointF direction :
         {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1), QPointF(-0.7, -0.7),
          QPointF(0.7, -0.7), QPointF(-0.7, 0.7), QPointF(0.7, 0.7)}) {
        drawCentred(painter, space, box.translated(direction * reach), text, font, halo);
    }
    drawCentred(painter, space, box, text, font, color);
}

void fillRounded(QPainter& painter, const YUpSpace& space, const QRectF& rect, double radius,
                 const QColor& color) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(space.toQt(rect), radius, radius);
}

}  // namespace

std::optional<FarmCountdown> FarmControls::countdown(const FarmStore& farm, const QRectF& scene,
                                                     double scale, bool resting,
                                                     std::optional<int> selected,
                                                     const QDateTime& now) {
    const std::vector<FarmPlot>& plots = farm.plots();
    if (!resting || !selected || *selected < 0 || *selected >= int(plots.size())) {
        return std::nullopt;
    }
    const FarmPlot& plot = plots[std::size_t(*selected)];
    const std::vector<QRectF> rects = FarmLayout::plotRects(scene, scale);
    if (!plot.crop || !plot.watered || plot.progress(now) >= 1.0 ||
        *selected >= int(rects.size())) {
        return std::nullopt;
    }
    const double s = scale;
    const double width = std::min(scene.width() - 14 * s, 112 * s);
    const QRectF& place = rects[std::size_t(*selected)];
    const double x = std::max(scene.left() + 7 * s, std::min(place.center().x() - width / 2,
                                                             scene.right() - width - 7 * s));
    return FarmCountdown{QRectF(x, place.top() + 3 * s, width, 20 * s),
                         farm.countdown(*selected, now).value_or(QStringLiteral("正在生长"))};
}

double FarmControls::feedbackAlpha(const FarmFeedback& feedback, const QDateTime& now) {
    const double elapsed = feedback.startedAt.msecsTo(now) / 1000.0;
    return std::clamp(elapsed / fadeSeconds, 0.0, 1.0);
}

std::optional<int> FarmControls::fadeRemaining(const std::optional<FarmFeedback>& feedback,
                                               const QDateTime& now) {
    if (!feedback) {
        return std::nullopt;
    }
    const qint64 remaining = now.msecsTo(feedback->startedAt.addMSecs(qint64(fadeSeconds * 1000)));
    if (remaining < 0 || feedbackAlpha(*feedback, now) >= 1) {
        return std::nullopt;
    }
    return int(remaining) + 1;
}

QString FarmControls::priceText(FarmCrop crop) {
    return QStringLiteral("+%1").arg(salePrice(crop));
}

void FarmControls::drawInline(QPainter& painter, const YUpSpace& space, double scale,
                              const std::optional<FarmCountdown>& countdown,
                              const std::vector<FarmInlineButton>& buttons,
                              const std::optional<FarmInlineAction>& pressed,
                              const FarmArtwork* artwork) {
    const double s = scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (countdown) {
        fillRounded(painter, space, countdown->rect, 6 * s,
                    FarmPalette::rgb(0.27, 0.16, 0.08, 0.96));
        drawCentred(painter, space, countdown->rect, countdown->text,
                    FractionalFont(9 * s, QFont::DemiBold), Qt::white);
    }
    for (const FarmInlineButton& button : buttons) {
        const bool down = pressed && *pressed == button.action;
        fillRounded(painter, space, button.rect, 5 * s,
                    down ? FarmPalette::rgb(0.49, 0.31, 0.14, 0.98)
                         : FarmPalette::rgb(0.6, 0.39, 0.18, 0.98));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(FarmPalette::rgb(0.93, 0.73, 0.4, 0.92), std::max(s, 0.8)));
        painter.drawRoundedRect(space.toQt(button.rect.adjusted(0.7, 0.7, -0.7, -0.7)), 4.5 * s,
                                4.5 * s);
        const std::vector<QImage>* pictures =
            button.action.kind == FarmInlineAction::Kind::sow && artwork
                ? artwork->crop(button.action.crop)
                : nullptr;
        if (!pictures) {
            drawCentred(painter, space, button.rect, button.title,
                        FractionalFont(9.5 * s, QFont::DemiBold), Qt::white);
            continue;
        }
        const QImage& icon = (*pictures)[2];
        const double height = std::min(17 * s * icon.height() / std::max(icon.width(), 1), 17 * s);
        const QRectF& r = button.rect;
        painter.drawImage(space.toQt(QRectF(r.center().x() - 8.5 * s,
                                            r.center().y() - height / 2 + 3 * s, 17 * s, height)),
                          icon);
        drawCentred(painter, space, QRectF(r.left(), r.top() + s, r.width(), 8 * s),
                    priceText(button.action.crop), FractionalFont(6.5 * s, QFont::DemiBold),
                    FarmPalette::white(0.94));
    }
    painter.restore();
}

void FarmControls::drawFeedback(QPainter& painter, const YUpSpace& space, double scale,
                                const FarmFeedback& feedback, QPointF centre,
                                const QDateTime& now) {
    const double s = scale;
    const double alpha = feedbackAlpha(feedback, now);
    const QRectF title(centre.x() - 60 * s, centre.y() + 31 * s, 120 * s, 17 * s);
    const QColor colour =
        feedback.doubled ? FarmPalette::rgb(1.0, 0.73, 0.08, alpha) : FarmPalette::white(alpha);
    drawHaloedCentred(painter, space, title, feedback.title,
                      FractionalFont((feedback.doubled ? 12 : 10) * s, QFont::DemiBold), colour, s);
    QColor detail = colour;
    detail.setAlphaF(float(alpha * 0.88));
    drawHaloedCentred(painter, space,
                      QRectF(title.left(), title.top() - 12 * s, title.width(), 12 * s),
                      feedback.detail, FractionalFont(8.5 * s, QFont::DemiBold), detail, s);
    if (feedback.doubled) {
        space.drawText(painter, {centre.x() + 13 * s, centre.y() + 18 * s}, QStringLiteral("×2"),
                       FractionalFont(16 * s, QFont::Medium),
                       FarmPalette::rgb(1.0, 0.78, 0.12, alpha));
    }
}

}  // namespace tundle
