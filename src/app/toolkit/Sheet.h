#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>

namespace tundle {

// The base of every sheet: a dialog modal to its parent window only, shown with open() so no
// event loop is nested (the tray can switch pages under a sheet).
//
// Return clicks the one default button when a sheet names one and does nothing otherwise, so
// Return in a time, date or text field never saves a sheet that gives Return no meaning. Every
// push button inside is kept from becoming a default by focus. Escape and the window's close
// both ask for the cancel path through cancelRequested(); the sheet stays up until its owner
// calls dismiss().
class Sheet : public QDialog {
    Q_OBJECT

public:
    explicit Sheet(QWidget* parent = nullptr);

    // The button Return clicks while it is shown and enabled; nullptr for none.
    void setDefaultButton(QAbstractButton* button);
    QAbstractButton* defaultButton() const { return defaultButton_; }

    // Fixes the sheet's width; its height then follows the content.
    void setContentWidth(int width);

    // Closes the sheet without asking for the cancel path again.
    void dismiss();

    // Escape and the window's close land here.
    void reject() override;

signals:
    void cancelRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void keepButtonsFromDefaulting();
    void fitHeight();

    QPointer<QAbstractButton> defaultButton_;
    bool fitsHeight_ = false;
};

}  // namespace tundle
