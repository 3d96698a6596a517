#include "editors/RoomLocationControls.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

#include "editors/CityResultButton.h"
#include "records/WeatherLocation.h"
#include "room/RoomEnvironment.h"
#include "toolkit/Colors.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Spacing.h"
#include "toolkit/StyledButton.h"
#include "toolkit/TabOrder.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

// Text in the accent colour without a fill, like a link.
StyledButton::Recipe linkStyle(double points) {
    return StyledButton::Recipe{
        .font = Typography::font(points),
        .padding = QMarginsF(0, 2, 0, 2),
        .foreground = Colors::accent(),
        .fill = Qt::transparent,
        .pressedFill = Colors::grey(0, 0.05),
        .radius = 4,
    };
}

// The label starts at the leading edge of a button that spans the row.
StyledButton::Recipe leadingStyle(StyledButton::Recipe recipe) {
    recipe.alignment = Qt::AlignLeft;
    return recipe;
}

QString escaped(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

RoomLocationControls::RoomLocationControls(RoomEnvironment& draft, QWidget* parent)
    : QWidget(parent),
      draft_(draft),
      locate_(new StyledButton(linkStyle(11), {}, this)),
      city_(new StyledButton(leadingStyle(SoftButton::style()), {}, this)),
      cityMenu_(new QMenu(this)),
      field_(new QLineEdit(this)),
      search_(new StyledButton(SoftButton::style(), {}, this)),
      resultsBox_(new QWidget(this)),
      note_(plainLabel({}, TextSize::caption, Colors::muted(), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing::small);

    auto* header = new QHBoxLayout;
    header->addWidget(plainLabel(QStringLiteral("所在城市"), TextSize::body, Colors::ink(), this,
                                 FontWeight::semibold));
    header->addStretch(1);
    header->addWidget(locate_);
    layout->addLayout(header);
    connect(locate_, &QAbstractButton::clicked, this, [this] { draft_.locate(); });

    city_->setSymbol(QStringLiteral("mappin.and.ellipse"));
    city_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (const WeatherLocation& location : WeatherLocation::cities()) {
        cityMenu_->addAction(escaped(location.name), this, [this, location] { choose(location); });
    }
    connect(city_, &QAbstractButton::clicked, this,
            [this] { cityMenu_->popup(city_->mapToGlobal(QPoint(0, city_->height()))); });
    layout->addWidget(city_);

    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(6);
    field_->setPlaceholderText(QStringLiteral("搜索城市，如苏州"));
    field_->installEventFilter(this);
    searchRow->addWidget(field_, 1);
    searchRow->addWidget(search_);
    layout->addLayout(searchRow);
    connect(field_, &QLineEdit::textChanged, this, &RoomLocationControls::sync);
    connect(search_, &QAbstractButton::clicked, this, &RoomLocationControls::search);

    auto* resultsLayout = new QVBoxLayout(resultsBox_);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    resultsLayout->setSpacing(2);
    layout->addWidget(resultsBox_);

    note_->setWordWrap(true);
    layout->addWidget(note_);

    connect(&draft_, &RoomEnvironment::changed, this, &RoomLocationControls::sync);
    sync();
}

QString RoomLocationControls::note(const RoomEnvironment& draft) {
    const QString& status = draft.status();
    if (draft.locating() || status.contains(QStringLiteral("定位")) ||
        status.contains(QStringLiteral("城市"))) {
        return status;
    }
    return QStringLiteral("仅使用大致位置；城市搜索在本机离线完成。");
}

void RoomLocationControls::search() {
    if (draft_.searching()) {
        return;
    }
    draft_.searchCity(field_->text());
}

void RoomLocationControls::choose(const WeatherLocation& location) {
    draft_.selectCity(location);
    field_->clear();
    draft_.cancelCitySearch();
}

bool RoomLocationControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            search();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RoomLocationControls::sync() {
    const bool locating = draft_.locating();
    locate_->setText(locating ? QStringLiteral("正在定位…") : QStringLiteral("使用本机位置"));
    locate_->setEnabled(!locating);

    const std::optional<WeatherLocation>& location = draft_.preferences().location;
    city_->setText(location ? escaped(location->name) : QStringLiteral("选择常用城市"));

    const bool searching = draft_.searching();
    search_->setText(searching ? QStringLiteral("查询中") : QStringLiteral("搜索"));
    search_->setEnabled(!searching && !field_->text().trimmed().isEmpty());

    for (CityResultButton* button : results_) {
        // The button may be the one whose click brought us here.
        button->hide();
        button->deleteLater();
    }
    results_.clear();
    const std::vector<WeatherLocation>& found = draft_.searchResults();
    for (std::size_t index = 0; index < found.size() && index < shownResults; ++index) {
        const WeatherLocation place = found[index];
        auto* button = new CityResultButton(place.name, place.key(), resultsBox_);
        connect(button, &QAbstractButton::clicked, this, [this, place] { choose(place); });
        resultsBox_->layout()->addWidget(button);
        results_.push_back(button);
    }
    // New results join the end of the window's chain, wherever the block stands in it.
    chainTabOrder(*this);
    note_->setText(note(draft_));
}

}  // namespace tundle
