#pragma once

#include <QWidget>
#include <functional>

#include "controlcentre/DiaryEntry.h"

class QLabel;

namespace tundle {

class PlainButton;
class Popover;
class RangeCalendar;
class TextBlock;

// The diary card at the top of the home page: a day's page, leafed through by day or picked
// from a calendar. Opens on today with the calendar closed.
class DiaryView : public QWidget {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    DiaryView(Clock clock, Calendar calendar, QWidget* parent = nullptr);

    const DiaryPage& page() const { return page_; }
    PlainButton* previousButton() const { return previous_; }
    PlainButton* dateButton() const { return dateButton_; }
    PlainButton* nextButton() const { return next_; }
    PlainButton* bottomButton() const { return bottom_; }
    TextBlock* pageText() const { return text_; }
    // Null until the date button first opens it.
    Popover* calendarPopover() const { return popover_; }
    RangeCalendar* calendarPicker() const { return picker_; }
    bool calendarVisible() const;

    void toggleCalendar();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* buildNavigation();
    void showDate(const QDateTime& date);
    void present();

    Clock clock_;
    DiaryPage page_;
    PlainButton* previous_ = nullptr;
    PlainButton* dateButton_ = nullptr;
    PlainButton* next_ = nullptr;
    TextBlock* text_ = nullptr;
    PlainButton* bottom_ = nullptr;
    Popover* popover_ = nullptr;
    RangeCalendar* picker_ = nullptr;
};

}  // namespace tundle
