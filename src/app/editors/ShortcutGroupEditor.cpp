#include "editors/ShortcutGroupEditor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "companion/ShortcutService.h"
#include "editors/ErrorLine.h"
#include "toolkit/Colors.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Spacing.h"
#include "toolkit/Typography.h"

namespace tundle {

ShortcutGroupEditor::ShortcutGroupEditor(ShortcutService& service, ShortcutGroup group,
                                         QWidget* parent)
    : Sheet(parent),
      service_(service),
      group_(std::move(group)),
      title_(plainLabel({}, 22, Colors::ink(), this)),
      name_(new QLineEdit(group_.name, this)),
      error_(new ErrorLine(TextSize::footnote, this)),
      cancel_(new QPushButton(QStringLiteral("取消"), this)),
      save_(new QPushButton(QStringLiteral("保存"), this)) {
    name_->setPlaceholderText(QStringLiteral("分组名称"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Spacing::sheet, Spacing::sheet, Spacing::sheet, Spacing::sheet);
    layout->setSpacing(18);
    layout->addWidget(title_);
    layout->addWidget(name_);
    layout->addWidget(error_);
    layout->addLayout(buttons);
    setContentWidth(340);
    setDefaultButton(save_);

    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { group_.name = text; });
    connect(cancel_, &QAbstractButton::clicked, this, &ShortcutGroupEditor::cancelRequested);
    connect(this, &ShortcutGroupEditor::cancelRequested, this, &ShortcutGroupEditor::dismiss);
    connect(save_, &QAbstractButton::clicked, this, &ShortcutGroupEditor::save);
    connect(&service_, &ShortcutService::groupsChanged, this, &ShortcutGroupEditor::present);
    present();
}

void ShortcutGroupEditor::present() {
    const auto& groups = service_.groups();
    const bool renaming =
        std::any_of(groups.begin(), groups.end(),
                    [this](const ShortcutGroup& each) { return each.id == group_.id; });
    title_->setText(renaming ? QStringLiteral("重命名分组") : QStringLiteral("新建分组"));
    setWindowTitle(title_->text());
}

void ShortcutGroupEditor::save() {
    if (service_.saveGroup(group_)) {
        dismiss();
        return;
    }
    error_->setMessage(service_.error());
}

}  // namespace tundle
