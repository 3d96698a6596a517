#pragma once

#include <QAbstractButton>

namespace tundle {

// One entry of the shortcut page's group sidebar: a symbol and a title on one line, set in
// semibold on a pale orange ground while it is the selection, else in the palette's text
// colour.
class SidebarEntry : public QAbstractButton {
    Q_OBJECT

public:
    SidebarEntry(const QString& title, const QString& id, const QString& symbol,
                 QWidget* parent = nullptr);

    const QString& id() const { return id_; }
    bool selected() const { return selected_; }
    void setSelected(bool selected);
    void setTitle(const QString& title);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString id_;
    QString symbol_;
    bool selected_ = false;
};

}  // namespace tundle
