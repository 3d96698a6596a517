#pragma once

#include <QWidget>
#include <vector>

#include "records/ShortcutItem.h"
#include "toolkit/TextBlock.h"

namespace tundle {

// The shortcuts of a preview, each as its name with the kind word in bold over its target in
// the secondary colour. One widget draws them all and only the blocks in view, so a file of
// 2000 shortcuts opens its preview at once; the texts wrap like text blocks (a long address
// anywhere).
class ShortcutPreviewList : public QWidget {
    Q_OBJECT

public:
    static constexpr double blockSpacing = 12;
    static constexpr double lineSpacing = 4;

    explicit ShortcutPreviewList(const std::vector<ShortcutItem>& items, QWidget* parent = nullptr);

    // Title and target of every block, in order.
    QStringList texts() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Block {
        QString title;
        QString target;
        QStringList titleLines = {};
        QStringList targetLines = {};
        // The width of each text on one line, measured once: a resize only lays out again
        // the texts that do not fit.
        double titleAdvance = -1;
        double targetAdvance = -1;
        double top = 0;
        double height = 0;
    };

    // Lays every block out for `width` unless it already is.
    void layoutFor(int width) const;
    static QStringList wrapped(const QString& text, double& advance, TextBlock& measure,
                               double width);

    mutable std::vector<Block> blocks_;
    mutable int laidWidth_ = -1;
    mutable double height_ = 0;
    TextBlock* titleMeasure_;
    TextBlock* targetMeasure_;
};

}  // namespace tundle
