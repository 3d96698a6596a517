// farm-targets SETTINGS shown|collapsed: stores the farm in the application's settings file
// (a fresh farm when it holds none) shown or collapsed, then prints where the first plot that
// offers a button lies, and that button once the plot is selected, in the pet canvas's
// bottom-up points: "plot X Y" and "button X Y", the centres, then "action TITLE".
#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>
#include <cstring>

#include "farm/FarmLayout.h"
#include "model/FarmStore.h"
#include "pet/PetStageLayout.h"
#include "support/SettingsDefaults.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: farm-targets SETTINGS shown|collapsed\n", stderr);
        return 2;
    }
    QCoreApplication application(argc, argv);
    tundle::SettingsDefaults settings(QString::fromLocal8Bit(argv[1]));
    tundle::FarmStore farm(settings);
    farm.setVisible(std::strcmp(argv[2], "shown") == 0);
    if (const std::optional<QString> failure = farm.save()) {
        std::fprintf(stderr, "farm-targets: %s\n", failure->toUtf8().constData());
        return 1;
    }
    const QRectF scene = tundle::PetStageLayout::farmSceneRect(false, true, farm.scale());
    const std::vector<QRectF> plots = tundle::FarmLayout::plotRects(scene, farm.scale());
    for (int index = 0; index < int(plots.size()); ++index) {
        const std::vector<tundle::FarmInlineButton> buttons =
            tundle::FarmLayout::inlineButtons({.scene = scene,
                                               .scale = farm.scale(),
                                               .selected = index,
                                               .plots = &farm.plots(),
                                               .now = QDateTime::currentDateTimeUtc()});
        if (!buttons.empty()) {
            const QPointF plot = plots[std::size_t(index)].center();
            const QPointF button = buttons.front().rect.center();
            std::printf("plot %.1f %.1f\nbutton %.1f %.1f\naction %s\n", plot.x(), plot.y(),
                        button.x(), button.y(), buttons.front().title.toUtf8().constData());
            return 0;
        }
    }
    std::fputs("farm-targets: no plot offers a button\n", stderr);
    return 1;
}
