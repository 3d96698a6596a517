#include "editors/RoomSettingsEntry.h"

#include <QFontMetricsF>
#include <QHBoxLayout>

#include "room/RoomEnvironment.h"
#include "toolkit/Colors.h"
#include "toolkit/StyledButton.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr int margin = 12;

// A capsule of frosted white with warm dark text.
StyledButton::Recipe entryStyle() {
    const QFont font = Typography::font(TextSize::footnote, FontWeight::medium);
    const QMarginsF padding(10, 8, 10, 8);
    return StyledButton::Recipe{
        .font = font,
        .padding = padding,
        .foreground = QColor::fromRgbF(0.24f, 0.22f, 0.19f),
        .fill = Colors::grey(1, 0.78),
        .pressedFill = Colors::grey(1, 0.55),
        .radius = (QFontMetricsF(font).height() + padding.top() + padding.bottom()) / 2,
    };
}

}  // namespace

RoomSettingsEntry::RoomSettingsEntry(RoomEnvironment& room, std::function<void()> open,
                                     QWidget* parent)
    : QWidget(parent),
      room_(room),
      summary_(new StyledButton(entryStyle(), {}, this)),
      settings_(new StyledButton(entryStyle(), QStringLiteral("房间设置"), this)) {
    settings_->setSymbol(QStringLiteral("slider.horizontal.3"));
    settings_->setAccessibleName(QStringLiteral("房间设置"));
    settings_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    summary_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(6);
    layout->addWidget(summary_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(settings_, 0, Qt::AlignVCenter);
    connect(summary_, &QAbstractButton::clicked, this, [open] { open(); });
    connect(settings_, &QAbstractButton::clicked, this, [open] { open(); });
    connect(&room_, &RoomEnvironment::changed, this, &RoomSettingsEntry::sync);
    sync();
}

QString RoomSettingsEntry::summary(const RoomEnvironment& room) {
    const RoomPreferences& preferences = room.preferences();
    switch (preferences.mode) {
        case RoomMode::fixed:
            return title(preferences.fixedWeather) + QStringLiteral(" · ") +
                   title(preferences.fixedPhase);
        case RoomMode::daylight:
            return QStringLiteral("随昼夜 · ") + title(room.atmosphere().phase);
        case RoomMode::weather:
            break;
    }
    if (!preferences.location) {
        return QStringLiteral("未选择城市");
    }
    const std::optional<WeatherSnapshot>& snapshot = room.snapshot();
    if (snapshot && snapshot->usable(room.now())) {
        QString line =
            preferences.location->name + QStringLiteral(" · ") + title(snapshot->condition);
        if (!snapshot->fresh(room.now())) {
            line += QStringLiteral(" · 缓存");
        }
        return line;
    }
    return room.busy() ? QStringLiteral("正在获取天气…") : QStringLiteral("天气暂不可用");
}

void RoomSettingsEntry::sync() {
    const QString line = summary(room_);
    summary_->setAccessibleName(QStringLiteral("房间设置，") + line);
    summary_->setToolTip(line);
    const int room = width() - 2 * margin - 6 - settings_->sizeHint().width();
    const QMarginsF padding = summary_->recipe().padding;
    const double textRoom = room - padding.left() - padding.right();
    const QFontMetricsF metrics(summary_->recipe().font);
    // A long city name is cut in the middle; the settings button keeps its size.
    const QString shown = metrics.horizontalAdvance(line) <= textRoom
                              ? line
                              : metrics.elidedText(line, Qt::ElideMiddle, std::max(0.0, textRoom));
    summary_->setText(shown);
}

void RoomSettingsEntry::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    sync();
}

}  // namespace tundle
