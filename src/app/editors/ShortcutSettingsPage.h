#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "editors/PinnedReorder.h"
#include "editors/ShortcutFilter.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QMenu;
class QVBoxLayout;

namespace tundle {

class AppModel;
class ErrorLine;
class RowStack;
class FileChooser;
class ShortcutEditor;
class ShortcutGroupEditor;
class ShortcutListRow;
class ShortcutService;
class SidebarEntry;

// The control-centre page "快捷方式": the user's shortcuts, chosen by a group sidebar and a
// search, with adding, editing, deleting (one step of undo), pinning, groups and the drag
// that orders the pinned shortcuts. The page keeps only what it shows; every change is a
// service operation, and the page follows the service's published lists in place.
class ShortcutSettingsPage : public QWidget {
    Q_OBJECT

public:
    // `model`, `service` and `chooser` must outlive the page.
    ShortcutSettingsPage(AppModel& model, ShortcutService& service, FileChooser& chooser,
                         QWidget* parent = nullptr);
    ~ShortcutSettingsPage() override;

    const ShortcutFilter& filter() const { return filter_; }
    void setGroupFilter(const QString& group);

    QLineEdit* searchField() const { return search_; }
    QAbstractButton* addButton() const { return add_; }
    ErrorLine* errorLine() const { return error_; }
    QWidget* undoLine() const { return undoLine_; }
    QAbstractButton* undoButton() const { return undo_; }
    // The sidebar entry with this id, or nullptr.
    SidebarEntry* sidebarEntry(const QString& id) const;
    QAbstractButton* newGroupButton() const { return newGroup_; }
    QLabel* listTitle() const { return listTitle_; }
    QLabel* pinnedCounter() const { return counter_; }
    QLabel* emptyState() const { return empty_; }
    // The visible rows, in list order.
    std::vector<ShortcutListRow*> rows() const;
    // The open sheets, or nullptr.
    ShortcutEditor* editor() const;
    ShortcutGroupEditor* groupEditor() const;
    const PinnedReorder& reorder() const { return reorder_; }

    // The actions of a group's context menu.
    void renameGroup(const ShortcutGroup& group);
    void deleteGroup(const QUuid& id);
    // The menu a group's entry shows.
    QMenu* groupMenu(const ShortcutGroup& group);

private:
    QWidget* buildHeader();
    QWidget* buildSidebar();
    QWidget* buildList();
    void addShortcut();
    void edit(const ShortcutItem& item);
    void editGroup(const ShortcutGroup& group);
    void present();
    void presentGroups();
    void presentRows();
    ShortcutListRow* makeRow(const ShortcutItem& item);

    AppModel& model_;
    ShortcutService& service_;
    FileChooser& chooser_;
    ShortcutFilter filter_;
    PinnedReorder reorder_;
    QLineEdit* search_ = nullptr;
    QAbstractButton* add_ = nullptr;
    ErrorLine* error_ = nullptr;
    QWidget* undoLine_ = nullptr;
    QAbstractButton* undo_ = nullptr;
    std::vector<SidebarEntry*> fixedEntries_;
    QVBoxLayout* groupsLayout_ = nullptr;
    std::vector<SidebarEntry*> groupEntries_;
    QAbstractButton* newGroup_ = nullptr;
    QLabel* listTitle_ = nullptr;
    QLabel* counter_ = nullptr;
    QLabel* empty_ = nullptr;
    RowStack* rowStack_ = nullptr;
    std::vector<ShortcutListRow*> rows_;
    QPointer<ShortcutEditor> editor_;
    QPointer<ShortcutGroupEditor> groupEditor_;
};

}  // namespace tundle
