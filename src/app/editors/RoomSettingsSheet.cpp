#include "editors/RoomSettingsSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "editors/ErrorLine.h"
#include "editors/RoomBackdrop.h"
#include "editors/RoomLocationControls.h"
#include "editors/RoomVisibilityProbe.h"
#include "room/RoomEnvironment.h"
#include "support/UserFacingError.h"
#include "toolkit/Colors.h"
#include "toolkit/Divider.h"
#include "toolkit/OrangeButton.h"
#include "toolkit/PlainButton.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/RoundedCorners.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Spacing.h"
#include "toolkit/TabOrder.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr std::array modes{RoomMode::weather, RoomMode::daylight, RoomMode::fixed};
constexpr std::array weathers{RoomWeather::clear, RoomWeather::cloudy, RoomWeather::rain,
                              RoomWeather::storm, RoomWeather::snow,   RoomWeather::fog};
constexpr std::array phases{RoomPhase::day, RoomPhase::dusk, RoomPhase::night};
constexpr std::array motions{RoomMotion::standard, RoomMotion::light, RoomMotion::off};

constexpr QSize previewSize(210, 292);

QLabel* text(const QString& content, double points, bool muted, QWidget* parent,
             FontWeight weight = FontWeight::regular) {
    QLabel* label =
        plainLabel(content, points, muted ? Colors::muted() : Colors::ink(), parent, weight);
    label->setWordWrap(true);
    return label;
}

QLabel* sectionTitle(const QString& content, QWidget* parent) {
    return text(content, TextSize::body, false, parent, FontWeight::semibold);
}

template <std::size_t N, typename E>
int indexOf(const std::array<E, N>& cases, E value) {
    for (std::size_t index = 0; index < N; ++index) {
        if (cases[index] == value) {
            return static_cast<int>(index);
        }
    }
    return 0;
}

template <std::size_t N, typename E>
QStringList titles(const std::array<E, N>& cases) {
    QStringList list;
    for (const E value : cases) {
        list.append(title(value));
    }
    return list;
}

// Rounds the preview's corners into the sheet's paper and carries the "效果预览" badge; it
// lies over the backdrop and lets every click through.
class PreviewFrame : public RoundedCorners {
public:
    explicit PreviewFrame(QWidget* parent) : RoundedCorners(16, Colors::canvas(), parent) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        RoundedCorners::paintEvent(event);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QFont font = Typography::font(TextSize::caption, FontWeight::medium);
        const QString badge = QStringLiteral("效果预览");
        const QFontMetricsF metrics(font);
        const QRectF capsule(10, 10, metrics.horizontalAdvance(badge) + 18, metrics.height() + 10);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colors::grey(1, 0.78));
        painter.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
        painter.setFont(font);
        painter.setPen(Colors::ink());
        painter.drawText(capsule, Qt::AlignCenter, badge);
    }
};

}  // namespace

RoomSettingsSheet::RoomSettingsSheet(RoomEnvironment& room, SessionEvents& session,
                                     PictureCache& pictures, bool reduceMotion,
                                     std::function<QDateTime()> clock, QWidget* parent,
                                     const QString& attributionURL)
    : Sheet(parent), room_(room), draft_(room.makeDraft()), shownMode_(draft_->preferences().mode) {
    setWindowTitle(QStringLiteral("房间设置"));
    setFixedSize(660, 480);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Colors::canvas());
    palette.setColor(QPalette::WindowText, Colors::ink());
    setPalette(palette);
    setAutoFillBackground(true);
    new RoomVisibilityProbe(*draft_, *this, session);
    auto* sheet = new QVBoxLayout(this);
    sheet->setContentsMargins(0, 0, 0, 0);
    sheet->addWidget(&page_);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(24, 0, 24, 0);
    middle->setSpacing(22);
    middle->addWidget(buildPreview(session, pictures, reduceMotion, std::move(clock)), 0,
                      Qt::AlignTop);
    auto* scroll = new QScrollArea(&page_);
    // Its controls are the Tab stops; the page itself would take the focus without showing it.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(buildControls(reduceMotion, attributionURL));
    middle->addWidget(scroll, 1);

    auto* layout = new QVBoxLayout(&page_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    layout->addLayout(middle, 1);
    layout->addSpacing(Spacing::regular);
    layout->addWidget(divider());
    layout->addWidget(buildFooter());

    // The scrolled controls are made before the header, and the footer last of all.
    chainTabOrder(*this);
    setDefaultButton(apply_);
    connect(this, &Sheet::cancelRequested, this, &RoomSettingsSheet::cancel);
    connect(draft_.get(), &RoomEnvironment::changed, this, &RoomSettingsSheet::sync);
    sync();
}

RoomSettingsSheet::~RoomSettingsSheet() {
    end();
}

bool RoomSettingsSheet::canApply(const RoomEnvironment& draft) {
    if (draft.locating()) {
        return false;
    }
    return draft.preferences().mode != RoomMode::weather || draft.preferences().location;
}

QWidget* RoomSettingsSheet::buildHeader() {
    auto* header = new QWidget(&page_);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(24, 20, 24, 18);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(Spacing::tight);
    titles->addWidget(text(QStringLiteral("房间设置"), 21, false, header, FontWeight::semibold));
    titles->addWidget(text(QStringLiteral("让窗外天气和房间光线，跟着你的节奏变化。"),
                           TextSize::footnote, true, header));
    row->addLayout(titles);
    row->addStretch(1);
    close_ = new PlainButton({}, TextSize::control, Colors::muted(), header);
    close_->setSymbol(QStringLiteral("xmark"));
    close_->setAccessibleName(QStringLiteral("关闭房间设置，不保存"));
    connect(close_, &QAbstractButton::clicked, this, &RoomSettingsSheet::cancel);
    row->addWidget(close_, 0, Qt::AlignTop);
    return header;
}

QWidget* RoomSettingsSheet::buildPreview(SessionEvents& session, PictureCache& pictures,
                                         bool reduceMotion, std::function<QDateTime()> clock) {
    auto* column = new QWidget(&page_);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(9);
    backdrop_ =
        new RoomBackdrop(*draft_, session, pictures, reduceMotion, std::move(clock), column);
    backdrop_->setFixedSize(previewSize);
    auto* frame = new PreviewFrame(backdrop_);
    frame->resize(previewSize);
    layout->addWidget(backdrop_);
    layout->addWidget(
        text(QStringLiteral("应用后，首页房间同步变化"), TextSize::caption, true, column));
    return column;
}

QWidget* RoomSettingsSheet::buildControls(bool reduceMotion, const QString& attributionURL) {
    auto* controls = new QWidget;
    controls->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(controls);
    layout->setContentsMargins(0, 0, 4, 10);
    layout->setSpacing(15);

    auto* modeBox = new QVBoxLayout;
    modeBox->setSpacing(Spacing::small);
    modeBox->addWidget(sectionTitle(QStringLiteral("房间氛围"), controls));
    mode_ = new SegmentedControl(
        {QStringLiteral("实时天气"), QStringLiteral("随昼夜"), QStringLiteral("自定义")}, controls);
    mode_->setAccessibleName(QStringLiteral("房间氛围"));
    connect(mode_, &SegmentedControl::activated, this, [this](int index) {
        draft_->update([index](RoomPreferences& p) { p.mode = modes.at(index); });
    });
    modeBox->addWidget(mode_);
    layout->addLayout(modeBox);

    weatherBlock_ = new QWidget(controls);
    auto* weatherLayout = new QVBoxLayout(weatherBlock_);
    weatherLayout->setContentsMargins(0, 0, 0, 0);
    location_ = new RoomLocationControls(*draft_, weatherBlock_);
    weatherLayout->addWidget(location_);
    layout->addWidget(weatherBlock_);

    daylight_ = text({}, TextSize::footnote, true, controls);
    layout->addWidget(daylight_);

    fixedBlock_ = new QWidget(controls);
    auto* form = new QFormLayout(fixedBlock_);
    form->setContentsMargins(0, 0, 0, 0);
    form->setVerticalSpacing(Spacing::medium);
    fixedWeather_ = new QComboBox(fixedBlock_);
    fixedWeather_->addItems(titles(weathers));
    connect(fixedWeather_, &QComboBox::activated, this, [this](int index) {
        draft_->update([index](RoomPreferences& p) { p.fixedWeather = weathers.at(index); });
    });
    fixedPhase_ = new QComboBox(fixedBlock_);
    fixedPhase_->addItems(titles(phases));
    connect(fixedPhase_, &QComboBox::activated, this, [this](int index) {
        draft_->update([index](RoomPreferences& p) { p.fixedPhase = phases.at(index); });
    });
    form->addRow(text(QStringLiteral("窗外天气"), TextSize::body, false, fixedBlock_),
                 fixedWeather_);
    form->addRow(text(QStringLiteral("房间时段"), TextSize::body, false, fixedBlock_), fixedPhase_);
    layout->addWidget(fixedBlock_);

    auto* motionBox = new QVBoxLayout;
    motionBox->setSpacing(Spacing::small);
    motionBox->addWidget(sectionTitle(QStringLiteral("动态效果"), controls));
    motion_ = new SegmentedControl(titles(motions), controls);
    motion_->setAccessibleName(QStringLiteral("动态效果"));
    connect(motion_, &SegmentedControl::activated, this, [this](int index) {
        draft_->update([index](RoomPreferences& p) { p.motion = motions.at(index); });
    });
    motionBox->addWidget(motion_);
    if (reduceMotion) {
        motionBox->addWidget(text(QStringLiteral("已开启减少动态效果，预览保持静态。"),
                                  TextSize::caption, true, controls));
    }
    layout->addLayout(motionBox);
    layout->addWidget(divider());

    auto* status = new QVBoxLayout;
    status->setSpacing(Spacing::tight);
    summary_ = text({}, TextSize::footnote, false, controls);
    busy_ = text(QStringLiteral("正在更新天气…"), TextSize::caption, true, controls);
    attribution_ = new QLabel(controls);
    attribution_->setFont(Typography::font(TextSize::caption));
    attribution_->setTextFormat(Qt::RichText);
    attribution_->setOpenExternalLinks(true);
    attribution_->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2;text-decoration:none\">"
                                         "天气数据：和风天气</a>")
                              .arg(attributionURL.toHtmlEscaped(), Colors::accent().name()));
    attribution_->setProperty("address", attributionURL);
    noProvider_ = text(QStringLiteral("天气服务尚未配置，暂按本地昼夜显示。"), TextSize::caption,
                       true, controls);
    for (QLabel* line : {summary_, busy_, attribution_, noProvider_}) {
        status->addWidget(line);
    }
    layout->addLayout(status);
    layout->addWidget(buildMore());
    layout->addStretch(1);
    return controls;
}

QWidget* RoomSettingsSheet::buildMore() {
    auto* more = new QWidget(&page_);
    auto* layout = new QVBoxLayout(more);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* toggle = new QToolButton(more);
    toggle->setText(QStringLiteral("更多选项"));
    toggle->setFont(Typography::font(TextSize::footnote));
    toggle->setCheckable(true);
    toggle->setAutoRaise(true);
    toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toggle->setArrowType(Qt::RightArrow);
    layout->addWidget(toggle);

    auto* content = new QWidget(more);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 8, 0, 0);
    contentLayout->setSpacing(3);
    clearCache_ = new QCheckBox(QStringLiteral("应用时清除本机天气缓存"), content);
    clearCache_->setFont(Typography::font(TextSize::footnote));
    contentLayout->addWidget(clearCache_);
    contentLayout->addWidget(
        text(QStringLiteral("下次获取仍会复用服务端缓存。"), TextSize::caption, true, content));
    content->hide();
    layout->addWidget(content);
    connect(toggle, &QToolButton::toggled, content, [toggle, content](bool open) {
        toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        content->setVisible(open);
    });
    return more;
}

QWidget* RoomSettingsSheet::buildFooter() {
    auto* footer = new QWidget(&page_);
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(24, 16, 24, 16);
    row->setSpacing(Spacing::medium);
    hint_ = text(QStringLiteral("修改将在应用后保存"), TextSize::footnote, true, footer);
    error_ = new ErrorLine(TextSize::caption, footer);
    error_->setMaximumHeight(2 * error_->fontMetrics().lineSpacing());
    row->addWidget(hint_, 1);
    row->addWidget(error_, 1);
    row->addSpacing(Spacing::small);
    cancel_ = new SoftButton(QStringLiteral("取消"), footer);
    connect(cancel_, &QAbstractButton::clicked, this, &RoomSettingsSheet::cancel);
    row->addWidget(cancel_);
    apply_ = new OrangeButton(QStringLiteral("应用"), footer);
    connect(apply_, &QAbstractButton::clicked, this, &RoomSettingsSheet::apply);
    row->addWidget(apply_);
    return footer;
}

void RoomSettingsSheet::sync() {
    const RoomPreferences& preferences = draft_->preferences();
    if (preferences.mode != shownMode_) {
        shownMode_ = preferences.mode;
        // A search begun for live weather means nothing in the other modes.
        draft_->cancelCitySearch();
    }
    const bool weather = preferences.mode == RoomMode::weather;
    mode_->setCurrentIndex(indexOf(modes, preferences.mode));
    weatherBlock_->setVisible(weather);
    daylight_->setVisible(preferences.mode == RoomMode::daylight);
    daylight_->setText(preferences.location
                           ? QStringLiteral("按") + preferences.location->name +
                                 QStringLiteral("的日出日落调整光线，不获取天气。")
                           : QStringLiteral("按本机时间调整白天、黄昏与夜间光线，不获取天气。"));
    fixedBlock_->setVisible(preferences.mode == RoomMode::fixed);
    fixedWeather_->setCurrentIndex(indexOf(weathers, preferences.fixedWeather));
    fixedPhase_->setCurrentIndex(indexOf(phases, preferences.fixedPhase));
    motion_->setCurrentIndex(indexOf(motions, preferences.motion));

    summary_->setText(draft_->weatherSummary());
    busy_->setVisible(weather && draft_->busy());
    attribution_->setVisible(weather && !attribution_->property("address").toString().isEmpty());
    noProvider_->setVisible(weather && !draft_->hasProvider());
    apply_->setEnabled(canApply(*draft_));
}

void RoomSettingsSheet::apply() {
    if (!canApply(*draft_)) {
        return;
    }
    try {
        room_.applyDraft(*draft_, clearCache_->isChecked());
    } catch (const UserFacingError& error) {
        // The draft and every choice stay as they were, so the user can try again or cancel.
        error_->setMessage(error.message());
        hint_->hide();
        return;
    }
    end();
    dismiss();
}

void RoomSettingsSheet::cancel() {
    end();
    dismiss();
}

void RoomSettingsSheet::hideEvent(QHideEvent* event) {
    Sheet::hideEvent(event);
    // A minimised parent hides the sheet only for a while; the visibility probe pauses the
    // draft then. Any other hide is the sheet going away.
    if (!event->spontaneous()) {
        end();
    }
}

void RoomSettingsSheet::end() {
    draft_->endEditing();
}

}  // namespace tundle
