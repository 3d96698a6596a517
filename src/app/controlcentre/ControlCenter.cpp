#include "controlcentre/ControlCenter.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "controlcentre/ClipboardPage.h"
#include "controlcentre/HomePage.h"
#include "controlcentre/SettingsPage.h"
#include "controlcentre/Sidebar.h"
#include "editors/ConfigurationSection.h"
#include "editors/RoomSettingsSheet.h"
#include "editors/ShortcutSettingsPage.h"
#include "model/AppModel.h"
#include "toolkit/Colors.h"
#include "toolkit/LightPalette.h"

namespace tundle {

ControlCenter::ControlCenter(AppModel& model, Services services, QWidget* parent)
    : QWidget(parent),
      model_(model),
      services_(std::move(services)),
      sidebar_(new Sidebar(model, this)),
      area_(new QScrollArea(this)) {
    LightPalette::apply(*this);
    setMinimumSize(smallestSize);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(sidebar_);
    layout->addWidget(area_, 1);

    area_->setFrameShape(QFrame::NoFrame);
    // The page's controls are the Tab stops; the page itself would take the focus without
    // showing it.
    area_->setFocusPolicy(Qt::NoFocus);
    area_->setWidgetResizable(true);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette background = area_->palette();
    background.setColor(QPalette::Window, Colors::canvas());
    area_->setPalette(background);
    area_->setBackgroundRole(QPalette::Window);

    connect(&model_, &AppModel::pageChanged, this, &ControlCenter::showPage);
    connect(&model_, &AppModel::roomSettingsPresentedChanged, this, &ControlCenter::syncSheet);
}

QWidget* ControlCenter::makePage(PanelPage page) {
    switch (page) {
        case PanelPage::home:
            return new HomePage(model_, services_.session, services_.pictures, services_.calendar);
        case PanelPage::shortcuts:
            return new ShortcutSettingsPage(model_, model_.shortcuts(), services_.chooser);
        case PanelPage::clipboard:
            return new ClipboardPage(model_.clipboard());
        case PanelPage::settings: {
            auto* settings = new SettingsPage(model_);
            settings->setConfigurationSection(new ConfigurationSection(model_, services_.chooser));
            return settings;
        }
        case PanelPage::breathing:
            break;
    }
    return nullptr;
}

void ControlCenter::showPage() {
    if (!isVisible() || pageKind_ == model_.page()) {
        return;
    }
    dropPage();
    pageKind_ = model_.page();
    auto* frame = new QWidget;
    frame->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(pagePadding, pagePadding, pagePadding, pagePadding);
    page_ = makePage(model_.page());
    if (page_) {
        layout->addWidget(page_, 0, Qt::AlignTop);
    }
    layout->addStretch(1);
    area_->setWidget(frame);
    area_->verticalScrollBar()->setValue(0);
}

void ControlCenter::dropPage() {
    // The page may be the one whose button asked for another page: let its signal finish first.
    if (QWidget* frame = area_->takeWidget()) {
        frame->hide();
        frame->deleteLater();
    }
    page_ = nullptr;
    pageKind_.reset();
}

void ControlCenter::setPaused(bool paused) {
    area_->setVisible(!paused);
}

void ControlCenter::syncSheet() {
    const bool wanted = model_.roomSettingsPresented();
    if (wanted && !sheet_ && isVisible()) {
        sheet_ = new RoomSettingsSheet(model_.room(), services_.session, services_.pictures,
                                       model_.reduceMotion(), model_.clock(), this);
        RoomSettingsSheet* sheet = sheet_;
        connect(sheet, &QDialog::finished, this, [this, sheet] {
            if (sheet_ == sheet) {
                sheet_ = nullptr;
            }
            sheet->deleteLater();
            model_.setRoomSettingsPresented(false);
        });
        sheet_->open();
    } else if (!wanted && sheet_) {
        sheet_->cancel();
    }
}

void ControlCenter::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    showPage();
    syncSheet();
}

void ControlCenter::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) {
        return;
    }
    // A closed window keeps nothing: the sheet is cancelled and the page starts afresh next time.
    if (sheet_) {
        sheet_->cancel();
    }
    dropPage();
}

}  // namespace tundle
