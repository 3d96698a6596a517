#include "editors/ShortcutSettingsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "companion/ShortcutService.h"
#include "editors/ErrorLine.h"
#include "editors/RowStack.h"
#include "editors/ShortcutDraft.h"
#include "editors/ShortcutEditor.h"
#include "editors/ShortcutGroupEditor.h"
#include "editors/ShortcutListRow.h"
#include "editors/SidebarEntry.h"
#include "support/Uuid.h"
#include "toolkit/Colors.h"
#include "toolkit/Divider.h"
#include "toolkit/OrangeButton.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Spacing.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

// The translucent white panel that holds the list.
class ListPanel : public QWidget {
public:
    explicit ListPanel(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 20, 20);
        painter.fillPath(shape, Colors::grey(1, 0.75));
    }
};

}  // namespace

ShortcutSettingsPage::ShortcutSettingsPage(AppModel& model, ShortcutService& service,
                                           FileChooser& chooser, QWidget* parent)
    : QWidget(parent), model_(model), service_(service), chooser_(chooser) {
    error_ = new ErrorLine(TextSize::footnote, this);
    undoLine_ = new QWidget(this);
    undo_ = new QPushButton(QStringLiteral("撤销"), undoLine_);
    auto* undoLayout = new QHBoxLayout(undoLine_);
    undoLayout->setContentsMargins(0, 0, 0, 0);
    undoLayout->addWidget(
        plainLabel(QStringLiteral("已删除快捷方式"), TextSize::footnote, Colors::ink(), undoLine_));
    undoLayout->addWidget(undo_);
    undoLayout->addStretch();

    auto* mainRow = new QHBoxLayout;
    mainRow->setSpacing(22);
    mainRow->addWidget(buildSidebar(), 0, Qt::AlignTop);
    mainRow->addWidget(buildList(), 1, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(20);
    layout->addWidget(buildHeader());
    layout->addWidget(error_);
    layout->addWidget(undoLine_);
    layout->addLayout(mainRow);
    layout->addStretch();

    connect(undo_, &QAbstractButton::clicked, &service_, &ShortcutService::undoDelete);
    connect(&service_, &ShortcutService::itemsChanged, this, &ShortcutSettingsPage::present);
    connect(&service_, &ShortcutService::groupsChanged, this, &ShortcutSettingsPage::presentGroups);
    connect(&service_, &ShortcutService::errorChanged, this,
            [this] { error_->setMessage(service_.error()); });
    connect(&service_, &ShortcutService::canUndoDeleteChanged, this,
            [this] { undoLine_->setVisible(service_.canUndoDelete()); });
    error_->setMessage(service_.error());
    undoLine_->setVisible(service_.canUndoDelete());
    presentGroups();
}

ShortcutSettingsPage::~ShortcutSettingsPage() = default;

ShortcutEditor* ShortcutSettingsPage::editor() const {
    return editor_;
}

ShortcutGroupEditor* ShortcutSettingsPage::groupEditor() const {
    return groupEditor_;
}

QWidget* ShortcutSettingsPage::buildHeader() {
    auto* header = new QWidget(this);
    search_ = new QLineEdit(header);
    search_->setPlaceholderText(QStringLiteral("搜索"));
    search_->setClearButtonEnabled(true);
    auto* add = new OrangeButton(QStringLiteral("添加"), header);
    add->setSymbol(QStringLiteral("plus"));
    add_ = add;
    // The field matches the button beside it: its face and size, and its height.
    search_->setFont(Typography::font(add->font().pixelSize()));
    search_->setFixedSize(180, add->sizeHint().height());
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(
        plainLabel(QStringLiteral("快捷方式"), 28, Colors::ink(), header, FontWeight::semibold));
    layout->addStretch();
    layout->addWidget(search_);
    layout->addWidget(add_);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_.search = text;
        present();
    });
    connect(add_, &QAbstractButton::clicked, this, &ShortcutSettingsPage::addShortcut);
    return header;
}

QWidget* ShortcutSettingsPage::buildSidebar() {
    auto* sidebar = new QWidget(this);
    sidebar->setFixedWidth(142);
    auto* layout = new QVBoxLayout(sidebar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing::tight);
    const std::array<std::array<QString, 3>, 3> fixed{{
        {QStringLiteral("全部"), ShortcutFilter::all, QStringLiteral("square.grid.2x2")},
        {QStringLiteral("桌面置顶"), ShortcutFilter::pinned, QStringLiteral("pin")},
        {QStringLiteral("未分组"), ShortcutFilter::none, QStringLiteral("tray")},
    }};
    for (const auto& [title, id, symbol] : fixed) {
        auto* entry = new SidebarEntry(title, id, symbol, sidebar);
        connect(entry, &QAbstractButton::clicked, this,
                [this, filter = id] { setGroupFilter(filter); });
        fixedEntries_.push_back(entry);
        layout->addWidget(entry);
    }
    layout->addSpacing(9);
    layout->addWidget(divider());
    layout->addSpacing(9);
    groupsLayout_ = new QVBoxLayout;
    groupsLayout_->setSpacing(Spacing::tight);
    layout->addLayout(groupsLayout_);

    auto* newGroup =
        new SidebarEntry(QStringLiteral("新建分组"), {}, QStringLiteral("plus"), sidebar);
    QPalette secondary = newGroup->palette();
    secondary.setColor(QPalette::WindowText, Colors::muted());
    newGroup->setPalette(secondary);
    newGroup_ = newGroup;
    layout->addSpacing(Spacing::medium);
    layout->addWidget(newGroup_);
    connect(newGroup_, &QAbstractButton::clicked, this,
            [this] { editGroup(ShortcutGroup{.id = newUuid(), .name = {}}); });
    return sidebar;
}

QWidget* ShortcutSettingsPage::buildList() {
    auto* panel = new ListPanel(this);
    panel->setMinimumHeight(360);
    listTitle_ = plainLabel({}, 15, Colors::ink(), panel, FontWeight::semibold);
    counter_ = plainLabel({}, TextSize::footnote, Colors::muted(), panel);
    empty_ = plainLabel({}, TextSize::control, Colors::muted(), panel);
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setMinimumHeight(180);

    auto* heading = new QHBoxLayout;
    heading->setContentsMargins(12, 0, 12, 8);
    heading->addWidget(listTitle_);
    heading->addStretch();
    heading->addWidget(counter_);
    rowStack_ = new RowStack(8, panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(Spacing::wide, Spacing::wide, Spacing::wide, Spacing::wide);
    layout->setSpacing(Spacing::small);
    layout->addLayout(heading);
    layout->addWidget(empty_);
    layout->addWidget(rowStack_);
    layout->addStretch();
    return panel;
}

SidebarEntry* ShortcutSettingsPage::sidebarEntry(const QString& id) const {
    for (const auto* entries : {&fixedEntries_, &groupEntries_}) {
        for (SidebarEntry* entry : *entries) {
            if (entry->id() == id) {
                return entry;
            }
        }
    }
    return nullptr;
}

std::vector<ShortcutListRow*> ShortcutSettingsPage::rows() const {
    std::vector<ShortcutListRow*> shown;
    for (ShortcutListRow* row : rows_) {
        if (!row->isHidden()) {
            shown.push_back(row);
        }
    }
    return shown;
}

void ShortcutSettingsPage::setGroupFilter(const QString& group) {
    filter_.group = group;
    present();
}

void ShortcutSettingsPage::presentGroups() {
    const auto& groups = service_.groups();
    // An entry may be the one whose menu asked for this change, so entries go later.
    const auto retire = [this](SidebarEntry* entry) {
        entry->hide();
        groupsLayout_->removeWidget(entry);
        entry->deleteLater();
    };
    while (groupEntries_.size() > groups.size()) {
        retire(groupEntries_.back());
        groupEntries_.pop_back();
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const QString id = uuidText(groups[i].id);
        if (i < groupEntries_.size() && groupEntries_[i]->id() == id) {
            groupEntries_[i]->setTitle(groups[i].name);
            continue;
        }
        auto* entry = new SidebarEntry(groups[i].name, id, QStringLiteral("folder"));
        entry->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(entry, &QAbstractButton::clicked, this,
                [this, filter = id] { setGroupFilter(filter); });
        connect(entry, &QWidget::customContextMenuRequested, this,
                [this, entry, group = groups[i]](const QPoint& at) {
                    QMenu* menu = groupMenu(group);
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    menu->popup(entry->mapToGlobal(at));
                });
        if (i < groupEntries_.size()) {
            retire(std::exchange(groupEntries_[i], entry));
        } else {
            groupEntries_.push_back(entry);
        }
        groupsLayout_->insertWidget(int(i), entry);
    }
    present();
}

QMenu* ShortcutSettingsPage::groupMenu(const ShortcutGroup& group) {
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("重命名"), this, [this, group] { renameGroup(group); });
    menu->addAction(QStringLiteral("删除分组（保留快捷方式）"), this,
                    [this, id = group.id] { deleteGroup(id); });
    return menu;
}

void ShortcutSettingsPage::renameGroup(const ShortcutGroup& group) {
    editGroup(group);
}

void ShortcutSettingsPage::deleteGroup(const QUuid& id) {
    if (service_.deleteGroup(id) && filter_.group == uuidText(id)) {
        setGroupFilter(ShortcutFilter::none);
    }
}

void ShortcutSettingsPage::present() {
    for (const auto* entries : {&fixedEntries_, &groupEntries_}) {
        for (SidebarEntry* entry : *entries) {
            entry->setSelected(entry->id() == filter_.group);
        }
    }
    listTitle_->setText(filter_.title(service_.groups()));
    counter_->setVisible(filter_.group == ShortcutFilter::pinned);
    counter_->setText(QStringLiteral("%1/6 · 拖动排序").arg(service_.pinned().size()));
    presentRows();
}

void ShortcutSettingsPage::presentRows() {
    std::size_t shown = 0;
    const std::size_t made = rows_.size();
    for (const ShortcutItem& item : service_.items()) {
        if (!filter_.matches(item)) {
            continue;
        }
        if (shown < rows_.size()) {
            rows_[shown]->setItem(item);
            rows_[shown]->show();
        } else {
            rows_.push_back(makeRow(item));
        }
        ++shown;
    }
    // Rows beyond the matches wait hidden for the next longer list; one that is being dragged
    // must outlive its drag.
    for (std::size_t i = shown; i < rows_.size(); ++i) {
        rows_[i]->hide();
    }
    if (rows_.size() != made) {
        rowStack_->setRows({rows_.begin(), rows_.end()});
    } else {
        rowStack_->arrange();
    }
    empty_->setVisible(shown == 0);
    empty_->setText(filter_.search.isEmpty() ? QStringLiteral("这里还没有快捷方式")
                                             : QStringLiteral("没有匹配的快捷方式"));
}

ShortcutListRow* ShortcutSettingsPage::makeRow(const ShortcutItem& item) {
    auto* row = new ShortcutListRow(item, model_, service_, rowStack_);
    row->show();
    connect(row, &ShortcutListRow::editRequested, this, [this, row] { edit(row->item()); });
    row->setDragHandlers({
        .started = [this](const QUuid& id) { reorder_.dragStarted(id, filter_.canReorder()); },
        .ended = [this] { reorder_.dragEnded(); },
        .dropped =
            [this](const QUuid& target) {
                const auto move = reorder_.dropped(target, filter_.canReorder());
                if (move) {
                    service_.move(move->first, move->second);
                }
                return move.has_value();
            },
    });
    return row;
}

void ShortcutSettingsPage::addShortcut() {
    edit(ShortcutDraft::fresh(int(service_.pinned().size()), filter_.shownGroup()));
}

void ShortcutSettingsPage::edit(const ShortcutItem& item) {
    if (editor_) {
        return;
    }
    editor_ = new ShortcutEditor(model_, service_, chooser_, item, this);
    editor_->setAttribute(Qt::WA_DeleteOnClose);
    editor_->open();
}

void ShortcutSettingsPage::editGroup(const ShortcutGroup& group) {
    if (groupEditor_) {
        return;
    }
    groupEditor_ = new ShortcutGroupEditor(service_, group, this);
    groupEditor_->setAttribute(Qt::WA_DeleteOnClose);
    groupEditor_->open();
}

}  // namespace tundle
