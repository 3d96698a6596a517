#include "controlcentre/HomePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "controlcentre/ActionGrid.h"
#include "controlcentre/DiaryView.h"
#include "controlcentre/OffWorkView.h"
#include "controlcentre/ReminderCard.h"
#include "controlcentre/RestArtwork.h"
#include "controlcentre/RoomPreview.h"
#include "drawing/PictureCache.h"
#include "model/AppModel.h"
#include "toolkit/Colors.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Spacing.h"

namespace tundle {

HomePage::HomePage(AppModel& model, SessionEvents& session, PictureCache& pictures,
                   Calendar calendar, QWidget* parent)
    : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(32);
    QLabel* greeting =
        plainLabel(QStringLiteral("人，欢迎回来"), 30, Colors::ink(), this, FontWeight::semibold);
    greeting->setContentsMargins(0, 8, 0, 0);
    page->addWidget(greeting);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(30);
    columns->addWidget(buildLeftColumn(model, calendar, pictures), 1, Qt::AlignTop);
    columns->addWidget(buildRightColumn(model, session, pictures), 0, Qt::AlignTop);
    page->addLayout(columns);
    page->addStretch(1);
}

QWidget* HomePage::buildLeftColumn(AppModel& model, const Calendar& calendar,
                                   PictureCache& pictures) {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing::wide);
    diary_ = new DiaryView(model.clock(), calendar, column);
    // From the shared cache, so the artwork leaves memory a while after the page has gone.
    offWork_ = new OffWorkView(model.configuration(), model.clock(), calendar,
                               pictures.picture(RestArtwork::builtInPath(model.resourceFolder())),
                               column);
    layout->addWidget(diary_);
    layout->addWidget(offWork_);

    auto* reminders = new QHBoxLayout;
    reminders->setSpacing(14);
    water_ = new ReminderCard(model, ReminderKind::water, column);
    movement_ = new ReminderCard(model, ReminderKind::movement, column);
    // Both cards take the same share of the row, the water card on the left.
    reminders->addWidget(water_, 1);
    reminders->addWidget(movement_, 1);
    layout->addLayout(reminders);
    return column;
}

QWidget* HomePage::buildRightColumn(AppModel& model, SessionEvents& session,
                                    PictureCache& pictures) {
    auto* column = new QWidget(this);
    column->setFixedWidth(rightColumnWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(26);
    room_ = new RoomPreview(model, session, pictures, column);
    actions_ = new ActionGrid(model, column);
    layout->addWidget(room_);
    layout->addWidget(actions_);
    return column;
}

}  // namespace tundle
