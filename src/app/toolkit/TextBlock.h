#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

namespace tundle {

// Plain text that wraps to its width: at word boundaries (a word longer than the line breaks
// anywhere) or anywhere, with extra space between lines, an optional limit on the number of
// lines (the last shown line then ends in "…"). Text from users, packs or the clipboard never
// widens a page: the block takes the width its layout gives it.
class TextBlock : public QWidget {
    Q_OBJECT

public:
    enum class Wrap { words, anywhere };

    // The text as laid out for one width.
    struct Lines {
        QStringList lines;
        double height = 0;
        // Text was left out to keep to the maximum number of lines.
        bool elided = false;
    };

    explicit TextBlock(const QString& text = {}, QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    void setColor(const QColor& color);
    // Extra points between two lines.
    void setLineSpacing(double points);
    // 0: as many lines as the text needs.
    void setMaximumLines(int lines);
    void setWrap(Wrap wrap);
    // Horizontal alignment of each line.
    void setAlignment(Qt::Alignment alignment);

    Lines layoutFor(double width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void changed();

    QString text_;
    QColor color_;
    double lineSpacing_ = 0;
    int maximumLines_ = 0;
    Wrap wrap_ = Wrap::words;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    mutable double cachedWidth_ = -1;
    mutable Lines cached_;
};

}  // namespace tundle
