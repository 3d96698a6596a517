#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace tundle {

// The control centre's pages; `breathing` opens the breathing window instead of a page.
enum class PanelPage { home, breathing, clipboard, settings, shortcuts };

inline constexpr std::array<PanelPage, 5> allPanelPages{PanelPage::home, PanelPage::breathing,
                                                        PanelPage::clipboard, PanelPage::settings,
                                                        PanelPage::shortcuts};

// The page's title, which is also its raw value.
QString panelPageText(PanelPage page);
std::optional<PanelPage> parsePanelPage(QStringView text);

}  // namespace tundle
