#include <QAbstractButton>
#include <QLineEdit>

#include "GalleryScene.h"
#include "companion/ClipboardService.h"
#include "controlcentre/ClipboardEntryCard.h"
#include "controlcentre/ClipboardPage.h"
#include "support/FakePasteboard.h"

namespace tundle::gallery {

namespace {

enum class ClipboardState { emptyOff, emptyOn, copied, noMatch };

// The page at the control centre's content width, as tall as it wants to be.
QImage drawClipboard(ClipboardState state) {
    test::FakePasteboard pasteboard;
    const QDateTime morning(QDate(2026, 3, 2), QTime(9, 41), Qt::LocalTime);
    ClipboardService service(pasteboard, false, [morning] { return morning; });
    if (state != ClipboardState::emptyOff) {
        service.setEnabled(true);
    }
    if (state == ClipboardState::copied || state == ClipboardState::noMatch) {
        for (const QString& text :
             {QStringLiteral("会议改到周三下午 3 点，记得带上季度报告。"),
              QStringLiteral("<b>这不是粗体</b> & <a href='#'>也不是链接</a>"),
              QStringLiteral("https://example.com/").append(QString(400, QLatin1Char('x'))),
              QStringLiteral("第一行\n第二行\n第三行\n第四行\n第五行，不该出现"),
              QStringLiteral("Café au lait")}) {
            pasteboard.setPlainText(text);
            service.poll();
        }
    }
    auto* page = new ClipboardPage(service);
    if (state == ClipboardState::copied) {
        for (QAbstractButton* button :
             page->cardFor(service.items().at(3).id)->findChildren<QAbstractButton*>()) {
            if (button->text() == QStringLiteral("复制")) {
                button->click();
            }
        }
    }
    if (state == ClipboardState::noMatch) {
        page->findChild<QLineEdit*>()->setText(QStringLiteral("周五"));
    }
    return renderInWindow(page, 720);
}

}  // namespace

void addClipboardScenes(GalleryScenes& scenes) {
    const std::pair<const char*, ClipboardState> states[] = {
        {"clipboard-empty-off", ClipboardState::emptyOff},
        {"clipboard-empty-on", ClipboardState::emptyOn},
        {"clipboard-copied", ClipboardState::copied},
        {"clipboard-no-match", ClipboardState::noMatch},
    };
    for (const auto& [name, state] : states) {
        scenes.push_back(
            {QString::fromUtf8(name), [shown = state] { return drawClipboard(shown); }});
    }
}

}  // namespace tundle::gallery
