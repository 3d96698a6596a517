#include "controlcentre/Sidebar.h"

#include <QPainter>
#include <QVBoxLayout>

#include "controlcentre/SidebarButton.h"
#include "model/AppModel.h"
#include "toolkit/Colors.h"

namespace tundle {

namespace {

constexpr int verticalPadding = 28;
constexpr int spacing = 6;

QString eyeSymbol(bool petVisible) {
    return petVisible ? QStringLiteral("eye") : QStringLiteral("eye.slash");
}

QString eyeHelp(bool petVisible) {
    return petVisible ? QStringLiteral("隐藏桌面糯墩") : QStringLiteral("显示桌面糯墩");
}

}  // namespace

QString Sidebar::symbol(PanelPage page) {
    switch (page) {
        case PanelPage::home:
            return QStringLiteral("sun.max");
        case PanelPage::shortcuts:
            return QStringLiteral("sparkles");
        case PanelPage::clipboard:
            return QStringLiteral("doc.on.clipboard");
        case PanelPage::settings:
            return QStringLiteral("slider.horizontal.3");
        case PanelPage::breathing:
            break;
    }
    return {};
}

Sidebar::Sidebar(AppModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setFixedWidth(sidebarWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, verticalPadding, 0, verticalPadding);
    layout->setSpacing(spacing);
    for (std::size_t index = 0; index < pages.size(); ++index) {
        const PanelPage page = pages[index];
        auto* button =
            new SidebarButton(SidebarButton::pageLook, symbol(page), panelPageText(page), this);
        button->setCheckable(true);
        // Selecting is the model's business: the button shows the model's page, not its own
        // toggled state, so a click on the selected page changes nothing.
        connect(button, &QAbstractButton::clicked, this, [this, page] {
            model_.setPage(page);
            sync();
        });
        layout->addWidget(button, 0, Qt::AlignHCenter);
        buttons_[index] = button;
    }
    layout->addStretch(1);
    eye_ = new SidebarButton(SidebarButton::plainLook, eyeSymbol(true), {}, this);
    connect(eye_, &QAbstractButton::clicked, &model_, &AppModel::togglePetVisible);
    layout->addWidget(eye_, 0, Qt::AlignHCenter);

    connect(&model_, &AppModel::pageChanged, this, &Sidebar::sync);
    connect(&model_, &AppModel::petVisibleChanged, this, &Sidebar::sync);
    sync();
}

SidebarButton& Sidebar::pageButton(PanelPage page) const {
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (pages[index] == page) {
            return *buttons_[index];
        }
    }
    return *buttons_.front();
}

void Sidebar::sync() {
    for (std::size_t index = 0; index < pages.size(); ++index) {
        buttons_[index]->setChecked(model_.page() == pages[index]);
    }
    const bool visible = model_.petVisible();
    eye_->setSymbol(eyeSymbol(visible));
    eye_->setToolTip(eyeHelp(visible));
    eye_->setAccessibleName(eyeHelp(visible));
}

void Sidebar::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Colors::canvas());
}

}  // namespace tundle
