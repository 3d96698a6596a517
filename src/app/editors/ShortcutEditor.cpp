#include "editors/ShortcutEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "companion/ShortcutService.h"
#include "editors/BubblePreview.h"
#include "editors/ColorSwatch.h"
#include "editors/ErrorLine.h"
#include "model/AppModel.h"
#include "records/ShortcutError.h"
#include "toolkit/Colors.h"
#include "toolkit/FileChooser.h"
#include "toolkit/MiddleElidedText.h"
#include "toolkit/OrangeButton.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/Spacing.h"
#include "toolkit/Switch.h"
#include "toolkit/TabOrder.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr std::array kinds{ShortcutKind::application, ShortcutKind::folder, ShortcutKind::file,
                           ShortcutKind::website};
constexpr std::array colors{ShortcutColor::blue,   ShortcutColor::red,   ShortcutColor::orange,
                            ShortcutColor::yellow, ShortcutColor::green, ShortcutColor::purple,
                            ShortcutColor::gray};

// The pale box that holds a chosen local target.
class TargetBox : public QWidget {
public:
    explicit TargetBox(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colors::grey(0, 0.035));
        painter.drawRoundedRect(QRectF(rect()), 10, 10);
    }
};

}  // namespace

ShortcutEditor::ShortcutEditor(AppModel& model, ShortcutService& service, FileChooser& chooser,
                               ShortcutItem item, QWidget* parent)
    : Sheet(parent),
      model_(model),
      service_(service),
      chooser_(chooser),
      draft_(std::move(item)),
      existing_(
          std::any_of(service.items().begin(), service.items().end(),
                      [this](const ShortcutItem& each) { return each.id == draft_.item().id; })),
      title_(plainLabel(existing_ ? QStringLiteral("编辑快捷方式") : QStringLiteral("添加快捷方式"),
                        23, Colors::ink(), this, FontWeight::semibold)),
      kinds_(new SegmentedControl({tundle::title(kinds[0]), tundle::title(kinds[1]),
                                   tundle::title(kinds[2]), tundle::title(kinds[3])},
                                  this)),
      name_(new QLineEdit(this)),
      group_(new QComboBox(this)),
      pin_(new Switch(this)),
      pinNotice_(plainLabel(
          QStringLiteral("桌面已置顶 %1 项，保存后可在列表中调整。").arg(ShortcutItem::pinLimit),
          TextSize::footnote, Colors::muted(), this)),
      preview_(new BubblePreview(this)),
      error_(new ErrorLine(TextSize::body, this)),
      try_(new QPushButton(QStringLiteral("试打开"), this)),
      cancel_(new QPushButton(QStringLiteral("取消"), this)),
      save_(new OrangeButton(QStringLiteral("保存"), this)) {
    setWindowTitle(title_->text());
    kinds_->setEnabled(!existing_);
    name_->setPlaceholderText(QStringLiteral("显示名称"));

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(plainLabel(QStringLiteral("类型"), TextSize::control, Colors::ink(), this));
    kindRow->addWidget(kinds_, 1);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(plainLabel(QStringLiteral("分组"), TextSize::control, Colors::ink(), this));
    groupRow->addWidget(group_, 1);
    auto* pinRow = new QHBoxLayout;
    pinRow->addWidget(
        plainLabel(QStringLiteral("置顶到桌面"), TextSize::control, Colors::ink(), this));
    pinRow->addStretch();
    pinRow->addWidget(pin_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(try_);
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addWidget(save_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28, 28, 28);
    layout->setSpacing(18);
    layout->addWidget(title_);
    layout->addLayout(kindRow);
    layout->addWidget(buildTarget());
    layout->addWidget(name_);
    layout->addLayout(groupRow);
    layout->addWidget(buildColors());
    layout->addLayout(pinRow);
    layout->addWidget(pinNotice_);
    layout->addWidget(preview_, 0, Qt::AlignLeft);
    layout->addWidget(error_);
    layout->addLayout(buttons);
    setContentWidth(500);
    setDefaultButton(save_);
    // The target and the colours are made after the fields below them.
    chainTabOrder(*this);

    connect(kinds_, &SegmentedControl::activated, this, [this](int index) {
        draft_.setKind(kinds[std::size_t(index)]);
        present();
    });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        draft_.fields().name = text;
        present();
    });
    connect(group_, &QComboBox::activated, this, [this](int index) {
        draft_.fields().groupID =
            index == 0 ? std::nullopt : std::optional<QUuid>(group_->itemData(index).toUuid());
        present();
    });
    connect(pin_, &QAbstractButton::clicked, this, [this](bool on) {
        draft_.fields().pinned = on;
        present();
    });
    connect(try_, &QAbstractButton::clicked, this, &ShortcutEditor::tryOpen);
    connect(cancel_, &QAbstractButton::clicked, this, &ShortcutEditor::cancelRequested);
    connect(this, &ShortcutEditor::cancelRequested, this, &ShortcutEditor::dismiss);
    connect(save_, &QAbstractButton::clicked, this, &ShortcutEditor::save);
    connect(&service_, &ShortcutService::groupsChanged, this, &ShortcutEditor::presentGroups);
    connect(&service_, &ShortcutService::itemsChanged, this, &ShortcutEditor::present);
    presentGroups();
    present();
}

QWidget* ShortcutEditor::buildTarget() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    website_ = new QWidget(area);
    address_ = new QLineEdit(website_);
    address_->setPlaceholderText(QStringLiteral("网址，例如 https://www.example.com"));
    addressHint_ = plainLabel(QStringLiteral("请输入有效的 http 或 https 网页地址。"),
                              TextSize::footnote, ErrorLine::color(), website_);
    auto* websiteLayout = new QVBoxLayout(website_);
    websiteLayout->setContentsMargins(0, 0, 0, 0);
    websiteLayout->setSpacing(4);
    websiteLayout->addWidget(address_);
    websiteLayout->addWidget(addressHint_);

    local_ = new TargetBox(area);
    targetText_ = new MiddleElidedText(local_);
    targetText_->setFont(Typography::font(TextSize::body));
    targetText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    choose_ = new QPushButton(local_);
    auto* localLayout = new QHBoxLayout(local_);
    localLayout->setContentsMargins(Spacing::regular, Spacing::regular, Spacing::regular,
                                    Spacing::regular);
    localLayout->addWidget(targetText_, 1);
    localLayout->addWidget(choose_);

    layout->addWidget(website_);
    layout->addWidget(local_);
    connect(address_, &QLineEdit::textEdited, this, [this](const QString& text) {
        draft_.setTypedAddress(text);
        present();
    });
    connect(choose_, &QAbstractButton::clicked, this, &ShortcutEditor::chooseTarget);
    return area;
}

QWidget* ShortcutEditor::buildColors() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing::regular);
    layout->addWidget(plainLabel(QStringLiteral("气泡颜色"), TextSize::body, Colors::ink(), row));
    for (ShortcutColor color : colors) {
        auto* swatch = new ColorSwatch(color, row);
        connect(swatch, &QAbstractButton::clicked, this, [this, color] {
            draft_.fields().tagColor = color;
            present();
        });
        swatches_.push_back(swatch);
        layout->addWidget(swatch);
    }
    colorTitle_ = plainLabel({}, TextSize::footnote, Colors::muted(), row);
    layout->addWidget(colorTitle_);
    layout->addStretch();
    return row;
}

void ShortcutEditor::presentGroups() {
    const QSignalBlocker quiet(group_);
    group_->clear();
    group_->addItem(QStringLiteral("未分组"));
    for (const ShortcutGroup& group : service_.groups()) {
        group_->addItem(group.name, group.id);
    }
    present();
}

void ShortcutEditor::present() {
    const ShortcutItem& item = draft_.item();
    const bool website = item.kind == ShortcutKind::website;
    kinds_->setCurrentIndex(int(std::find(kinds.begin(), kinds.end(), item.kind) - kinds.begin()));

    website_->setVisible(website);
    local_->setVisible(!website);
    if (address_->text() != item.target) {
        const QSignalBlocker quiet(address_);
        address_->setText(website ? item.target : QString());
    }
    addressHint_->setVisible(website && draft_.showsAddressHint());
    targetText_->setFullText(item.target.isEmpty()
                                 ? QStringLiteral("选择要打开的") + tundle::title(item.kind)
                                 : item.target);
    choose_->setText(item.target.isEmpty() ? QStringLiteral("选择") + tundle::title(item.kind)
                                           : QStringLiteral("重新选择"));
    if (name_->text() != item.name) {
        const QSignalBlocker quiet(name_);
        name_->setText(item.name);
    }

    int groupIndex = 0;
    for (int i = 1; i < group_->count(); ++i) {
        if (item.groupID && group_->itemData(i).toUuid() == *item.groupID) {
            groupIndex = i;
        }
    }
    {
        const QSignalBlocker quiet(group_);
        group_->setCurrentIndex(groupIndex);
    }

    for (ColorSwatch* swatch : swatches_) {
        swatch->setMarked(swatch->color() == item.color());
    }
    colorTitle_->setText(tundle::title(item.color()));

    const std::vector<ShortcutItem> pinned = service_.pinned();
    {
        const QSignalBlocker quiet(pin_);
        pin_->setCheckable(true);
        pin_->setChecked(item.pinned);
    }
    pin_->setEnabled(draft_.canTogglePin(pinned));
    pinNotice_->setVisible(draft_.showsPinNotice(pinned));

    preview_->present(item);
    error_->setMessage(draft_.error);
    const bool valid = draft_.valid();
    try_->setText(trying_ ? QStringLiteral("正在打开…") : QStringLiteral("试打开"));
    try_->setEnabled(valid && !trying_);
    save_->setEnabled(valid);
}

void ShortcutEditor::chooseTarget() {
    const ShortcutKind kind = draft_.item().kind;
    FileRequest request{.caption = QStringLiteral("选择") + tundle::title(kind),
                        .purpose = kind == ShortcutKind::application ? FilePurpose::application
                                   : kind == ShortcutKind::folder    ? FilePurpose::folder
                                                                     : FilePurpose::file,
                        .acceptLabel = QStringLiteral("选择")};
    const QPointer<ShortcutEditor> self(this);
    auto done = [self](std::optional<QString> path) {
        if (self && path) {
            self->draft_.choose(*path);
            self->present();
        }
    };
    if (kind == ShortcutKind::folder) {
        chooser_.openFolder(this, request, std::move(done));
        return;
    }
    if (kind == ShortcutKind::application) {
        request.filters = {FileFilter{QStringLiteral("应用程序"), {QStringLiteral("*.desktop")}}};
    }
    chooser_.openFile(this, request, std::move(done));
}

void ShortcutEditor::tryOpen() {
    ShortcutItem ready;
    try {
        ready = ShortcutService::prepared(draft_.item());
    } catch (const ShortcutError& refusal) {
        draft_.error = refusal.message();
        present();
        return;
    }
    trying_ = true;
    present();
    const QPointer<ShortcutEditor> self(this);
    model_.openShortcutFromSettings(ready, [self](const std::optional<QString>& message) {
        if (self) {
            self->trying_ = false;
            self->draft_.error = message;
            self->present();
        }
    });
}

void ShortcutEditor::save() {
    if (service_.save(draft_.item())) {
        dismiss();
        return;
    }
    draft_.error = service_.error();
    present();
}

}  // namespace tundle
