#pragma once

#include <QAbstractButton>

namespace tundle {

// One city found by the search, shown like a link across the whole row: the name in the accent
// colour at the leading edge, its coordinate key in the secondary colour at the trailing edge.
class CityResultButton : public QAbstractButton {
    Q_OBJECT

public:
    CityResultButton(const QString& name, const QString& key, QWidget* parent = nullptr);

    // The name is the button's text.
    const QString& key() const { return key_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString key_;
};

}  // namespace tundle
