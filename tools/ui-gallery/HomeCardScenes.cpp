#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>

#include "GalleryScene.h"
#include "controlcentre/DiaryView.h"
#include "controlcentre/OffWorkView.h"
#include "controlcentre/ReminderCard.h"
#include "controlcentre/RestArtwork.h"
#include "toolkit/Colors.h"
#include "toolkit/PlainButton.h"
#include "toolkit/Popover.h"

namespace tundle::gallery {

namespace {

enum class ReminderMoment { countdown, off, due, breathing };

// Both reminder cards side by side, as the home page shows them.
QImage drawReminders(ReminderMoment moment) {
    GalleryWorld gallery;
    AppModel& model = *gallery.model;
    ReminderService& reminders = model.reminders();
    reminders.setMinutes(20, ReminderKind::movement);
    switch (moment) {
        case ReminderMoment::countdown:
            gallery.world.pass(model, 7 * 60 + 18);
            break;
        case ReminderMoment::off:
            reminders.setEnabled(false, ReminderKind::water);
            reminders.setEnabled(false, ReminderKind::movement);
            break;
        case ReminderMoment::due:
            gallery.world.pass(model, 20 * 60);
            break;
        case ReminderMoment::breathing:
            gallery.world.pass(model, 90);
            reminders.setPaused(true);
            break;
    }
    QWidget page;
    auto* layout = new QHBoxLayout(&page);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);
    layout->addWidget(new ReminderCard(model, ReminderKind::water));
    layout->addWidget(new ReminderCard(model, ReminderKind::movement));
    page.resize(560, page.sizeHint().height());
    return renderWidget(page, Colors::canvas());
}

QDateTime at(int day, int hour, int minute) {
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute), Qt::UTC);
}

struct OffWorkScene {
    QString name;
    QDateTime now;
    std::optional<WorkPlan> plan;
    std::vector<OffWorkTime> legacyTimes;
};

// Monday 2026-03-02 onwards: office hours 09:00–12:00 and 13:30–18:00 on weekdays.
WorkPlan officePlan() {
    return WorkPlan{
        .periods = {{.start = 9 * 60, .end = 12 * 60}, {.start = 13 * 60 + 30, .end = 18 * 60}},
        .weekdays = {2, 3, 4, 5, 6}};
}

QImage drawOffWork(const OffWorkScene& scene) {
    GalleryWorld gallery;
    AppModel& model = *gallery.model;
    model.configuration().update([&scene](UserConfiguration& configuration) {
        configuration.schedule.workPlan = scene.plan;
        configuration.schedule.legacyTimes = scene.legacyTimes;
    });
    QWidget page;
    auto* layout = new QHBoxLayout(&page);
    layout->setContentsMargins(20, 20, 20, 20);
    const QDateTime now = scene.now;
    layout->addWidget(new OffWorkView(
        model.configuration(), [now] { return now; }, Calendar(QTimeZone::utc()),
        QImage(RestArtwork::builtInPath(model.resourceFolder()))));
    page.resize(520, page.heightForWidth(520) > 0 ? page.heightForWidth(520) : 130);
    return renderWidget(page, Colors::canvas());
}

// The editor holding more periods than a configuration may, its save refused, the alert over it.
QImage drawRefusedSave() {
    GalleryWorld gallery;
    AppModel& model = *gallery.model;
    WorkPlan full = officePlan();
    full.dateOverrides = WorkPeriodTable{};
    for (int day = 0; day < 2499; ++day) {
        (*full.dateOverrides)[QDate(2027, 1, 1).addDays(day).toString(Qt::ISODate)] = {
            {.start = 600, .end = 660}, {.start = 700, .end = 760}};
    }
    model.configuration().update(
        [&full](UserConfiguration& configuration) { configuration.schedule.workPlan = full; });
    OffWorkView view(model.configuration(), [] { return at(2, 10, 0); }, Calendar(QTimeZone::utc()),
                     {});
    view.resize(480, 90);
    view.show();
    view.openEditor();
    WorkPlanEditor& editor = *view.editor();
    editor.addButton()->click();
    editor.saveButton()->click();
    QImage sheet = renderWidget(editor, Colors::canvas());
    QMessageBox* alert = view.saveAlert();
    if (alert) {
        alert->adjustSize();
        const QImage box = renderWidget(*alert, QColor(0xf4, 0xf2, 0xee));
        QPainter painter(&sheet);
        painter.fillRect(QRectF(QPointF(0, 0), sheet.deviceIndependentSize()), QColor(0, 0, 0, 60));
        const QSizeF boxSize = box.deviceIndependentSize();
        painter.drawImage(
            QPointF((sheet.deviceIndependentSize().width() - boxSize.width()) / 2, 80), box);
    }
    return sheet;
}

// The diary on 17 September (a page of its own) or 22 September (after the last page), with or
// without its calendar open below the date.
QImage drawDiary(int day, bool withCalendar) {
    const QDateTime now(QDate(2026, 9, day), QTime(10, 0), Qt::UTC);
    QWidget page;
    auto* layout = new QHBoxLayout(&page);
    layout->setContentsMargins(20, 20, 20, 20);
    auto* diary = new DiaryView([now] { return now; }, Calendar(QTimeZone::utc()));
    layout->addWidget(diary);
    page.resize(440, 330);
    page.ensurePolished();
    page.layout()->activate();
    QImage image = renderWidget(page, Colors::canvas());
    if (!withCalendar) {
        return image;
    }
    diary->toggleCalendar();
    Popover& popover = *diary->calendarPopover();
    const QPoint anchor = diary->dateButton()->mapTo(&page, QPoint(0, 0));
    popover.arrange(QRect(anchor, diary->dateButton()->size()), QRect(0, 0, 440, 520), 280);
    const QImage bubble = renderWidget(popover, Qt::transparent);
    QImage canvas(QSize(440, 520) * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(2);
    canvas.fill(Colors::canvas());
    QPainter painter(&canvas);
    painter.drawImage(QPointF(0, 0), image);
    painter.drawImage(QPointF(popover.pos()), bubble);
    return canvas;
}

}  // namespace

void addHomeCardScenes(GalleryScenes& scenes) {
    const std::pair<QString, ReminderMoment> reminders[] = {
        {QStringLiteral("reminders-countdown"), ReminderMoment::countdown},
        {QStringLiteral("reminders-off"), ReminderMoment::off},
        {QStringLiteral("reminders-due"), ReminderMoment::due},
        {QStringLiteral("reminders-breathing"), ReminderMoment::breathing},
    };
    for (const auto& [name, moment] : reminders) {
        scenes.push_back({name, [shown = moment] { return drawReminders(shown); }});
    }
    const std::vector<OffWorkScene> offWork = {
        {QStringLiteral("offwork-unconfigured"), at(2, 10, 0), std::nullopt, {}},
        {QStringLiteral("offwork-legacy-countdown"),
         at(2, 17, 0),
         std::nullopt,
         {{.hour = 18, .minute = 30}}},
        {QStringLiteral("offwork-working"), at(2, 16, 59), officePlan(), {}},
        {QStringLiteral("offwork-rest-morning"), at(2, 8, 10), officePlan(), {}},
        {QStringLiteral("offwork-rest-midday"), at(2, 12, 30), officePlan(), {}},
        {QStringLiteral("offwork-rest-evening"), at(2, 20, 0), officePlan(), {}},
        {QStringLiteral("offwork-rest-holiday"), at(7, 11, 0), officePlan(), {}},
    };
    for (const OffWorkScene& scene : offWork) {
        scenes.push_back({scene.name, [scene] { return drawOffWork(scene); }});
    }
    scenes.push_back({QStringLiteral("offwork-save-refused"), drawRefusedSave});
    scenes.push_back({QStringLiteral("diary-page"), [] { return drawDiary(17, false); }});
    scenes.push_back(
        {QStringLiteral("diary-after-last-page"), [] { return drawDiary(22, false); }});
    scenes.push_back({QStringLiteral("diary-calendar"), [] { return drawDiary(22, true); }});
}

}  // namespace tundle::gallery
