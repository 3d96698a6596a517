#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "support/Calendar.h"

namespace tundle {

// One page of the pet's built-in diary, written for a day of September 2026.
struct DiaryEntry {
    int day = 0;
    // Four lines joined by line feeds.
    QString text;

    bool operator==(const DiaryEntry&) const = default;

    // The start of the page's day in the calendar.
    QDateTime date(const Calendar& calendar) const;

    // The seven pages, 13 to 19 September, in order.
    static const std::vector<DiaryEntry>& entries();
};

// The diary card's rules: which day is shown, its page, and where the buttons lead.
class DiaryPage {
public:
    DiaryPage(QDateTime date, Calendar calendar);

    const QDateTime& date() const { return date_; }
    void setDate(const QDateTime& date) { date_ = date; }

    // The shown day in the calendar.
    QDate shownDay() const;
    std::optional<DiaryEntry> entry() const;
    // Month and day as two digits each, "09/19", as zh_CN writes them.
    QString dateTitle() const;
    // The page text, or the placeholder for a day without one.
    QString text() const;
    // Moves by whole calendar days, keeping the time of day; a day the calendar cannot form
    // leaves the date as it was.
    void move(int days);
    bool canGoBack() const;
    bool canGoForward(const QDateTime& now) const;
    // "回到今天", "看看最近一篇" or nothing, and where it leads.
    std::optional<std::pair<QString, QDateTime>> bottomAction(const QDateTime& now) const;
    // The days the calendar offers: from the first page to the later of it and now.
    std::pair<QDate, QDate> pickableDays(const QDateTime& now) const;
    // The shown date moved to `day`, keeping its time of day.
    void pick(QDate day);

private:
    QDateTime firstDate() const;

    QDateTime date_;
    Calendar calendar_;
};

}  // namespace tundle
