#include "controlcentre/ActionGrid.h"

#include <QMenu>
#include <algorithm>

#include "model/AppModel.h"
#include "toolkit/Colors.h"
#include "toolkit/StyledButton.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr double tileOpacity = 0.11;
constexpr double pressedOpacity = 0.2;
constexpr double tileRadius = 15;

StyledButton::Recipe recipe(QMarginsF padding) {
    return StyledButton::Recipe{
        .font = Typography::font(TextSize::footnote, FontWeight::medium),
        .padding = padding,
        .foreground = Colors::accent(),
        .fill = Colors::withOpacity(Colors::accent(), tileOpacity),
        .pressedFill = Colors::withOpacity(Colors::accent(), pressedOpacity),
        .radius = tileRadius,
    };
}

// Pack titles are plain text: "&" would otherwise mark a mnemonic and vanish.
QString shown(const QString& title) {
    return QString(title).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

ActionGrid::ActionGrid(AppModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const auto follow = [this] {
        setActions(model_.assets().standaloneActions(), model_.assets().actionGroups());
    };
    connect(&model_, &AppModel::assetRevisionChanged, this, follow);
    connect(&model_, &AppModel::breathingQuietChanged, this, &ActionGrid::syncEnabled);
    connect(&model_, &AppModel::reduceMotionChanged, this, &ActionGrid::syncEnabled);
    follow();
}

int ActionGrid::columns(int width) {
    return std::max(1, (width + columnSpacing) / (minimumColumn + columnSpacing));
}

std::vector<StyledButton*> ActionGrid::cells() const {
    std::vector<StyledButton*> buttons;
    for (const Cell& part : parts_) {
        buttons.push_back(part.button);
    }
    return buttons;
}

QMenu* ActionGrid::menuOf(const StyledButton* cell) const {
    for (const Cell& part : parts_) {
        if (part.button == cell) {
            return part.menu;
        }
    }
    return nullptr;
}

void ActionGrid::setActions(const std::vector<PetAssets::Action>& actions,
                            const std::vector<PetAssets::ActionGroup>& groups) {
    for (Cell& part : parts_) {
        part.button->deleteLater();
        if (part.menu) {
            part.menu->deleteLater();
        }
    }
    parts_.clear();
    for (const PetAssets::Action& action : actions) {
        auto* button =
            new StyledButton(recipe(QMarginsF(10, 12, 10, 12)), shown(action.title), this);
        button->setAccessibleName(action.title);
        connect(button, &QAbstractButton::clicked, this,
                [this, clip = action.id] { model_.previewAction(clip); });
        parts_.push_back({button, nullptr});
    }
    for (const PetAssets::ActionGroup& group : groups) {
        auto* button =
            new StyledButton(recipe(QMarginsF(10, 10, 10, 10)), shown(group.title), this);
        button->setAccessibleName(group.title);
        auto* menu = new QMenu(this);
        for (const PetAssets::Action& action : group.actions) {
            connect(menu->addAction(shown(action.title)), &QAction::triggered, this,
                    [this, clip = action.id] { model_.previewAction(clip); });
        }
        connect(button, &QAbstractButton::clicked, menu,
                [button, menu] { menu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
        parts_.push_back({button, menu});
    }
    for (const Cell& part : parts_) {
        part.button->show();
    }
    syncEnabled();
    updateGeometry();
    arrange(width(), true);
}

void ActionGrid::syncEnabled() {
    setEnabled(!model_.breathingQuiet() && !model_.reduceMotion());
}

int ActionGrid::arrange(int width, bool place) const {
    const int count = columns(width);
    const double column = double(width - (count - 1) * columnSpacing) / count;
    int top = 0;
    for (std::size_t first = 0; first < parts_.size(); first += std::size_t(count)) {
        const std::size_t end = std::min(parts_.size(), first + std::size_t(count));
        int rowHeight = 0;
        for (std::size_t index = first; index < end; ++index) {
            rowHeight = std::max(rowHeight, parts_[index].button->sizeHint().height());
        }
        for (std::size_t index = first; place && index < end; ++index) {
            const Cell& part = parts_[index];
            const QSize hint = part.button->sizeHint();
            // A menu fills its cell; an action tile hugs its title.
            const int cellWidth = part.menu ? int(column) : std::min(hint.width(), int(column));
            const double left = double(index - first) * (column + columnSpacing);
            part.button->setGeometry(int(left + (column - cellWidth) / 2),
                                     top + (rowHeight - hint.height()) / 2, cellWidth,
                                     hint.height());
        }
        top += rowHeight + (end < parts_.size() ? rowSpacing : 0);
    }
    return top;
}

int ActionGrid::heightForWidth(int width) const {
    return arrange(width, false);
}

QSize ActionGrid::sizeHint() const {
    const int width = 300;
    return {width, heightForWidth(width)};
}

void ActionGrid::resizeEvent(QResizeEvent*) {
    arrange(width(), true);
}

}  // namespace tundle
