#include "controlcentre/DiaryEntry.h"

#include <QStringList>

namespace tundle {

namespace {

DiaryEntry page(int day, std::initializer_list<const char*> lines) {
    QStringList text;
    for (const char* line : lines) {
        text << QString::fromUtf8(line);
    }
    return DiaryEntry{.day = day, .text = text.join(QLatin1Char('\n'))};
}

}  // namespace

QDateTime DiaryEntry::date(const Calendar& calendar) const {
    const QDateTime noon(QDate(2026, 9, day), QTime(12, 0), calendar.timeZone());
    return calendar.startOfDay(noon.toUTC()).value_or(QDateTime());
}

const std::vector<DiaryEntry>& DiaryEntry::entries() {
    static const std::vector<DiaryEntry> pages{
        page(13, {"云朵邮局给我发了一只挎包。", "包有一点大，走路会碰到膝盖。",
                  "我把肩带打了个结。", "现在是一位很合身的邮递员了。"}),
        page(14, {"上班路过面包店，太阳还没起床。", "店长说，第一炉面包要轻轻拿。", "它们也刚醒。",
                  "我一路抱得很小心。"}),
        page(15, {"蜗牛寄了一封信给下星期的自己。", "他说，不急，慢慢送。",
                  "我第一次收到这样的要求。", "于是午休多看了一会儿云。"}),
        page(16, {"邮局后面有一小块草地。", "我躺下的时候，刚好能看见半片天。",
                  "另一半被挎包挡住了。", "今天的云，看一半也很好。"}),
        page(17, {"下班帮晚霞修补铺绕毛线。", "橙色的线用完了，只剩一点粉红。", "师傅说，没关系。",
                  "今天的天空可以换个颜色。"}),
        page(18, {"今天和小鸟一起送信。", "我撑伞，它认路。", "伞总往它那边歪。",
                  "回来的时候，它帮我把帽子晾好了。"}),
        page(19, {"今天在云朵邮局值班。", "有一封信，寄给最高的那棵树。", "松鼠请我吃了栗子。",
                  "我留了一颗，放在你桌上。"}),
    };
    return pages;
}

DiaryPage::DiaryPage(QDateTime date, Calendar calendar)
    : date_(std::move(date)), calendar_(std::move(calendar)) {}

QDate DiaryPage::shownDay() const {
    return calendar_.date(date_);
}

std::optional<DiaryEntry> DiaryPage::entry() const {
    for (const DiaryEntry& entry : DiaryEntry::entries()) {
        if (calendar_.isSameDay(entry.date(calendar_), date_)) {
            return entry;
        }
    }
    return std::nullopt;
}

QString DiaryPage::dateTitle() const {
    return date_.toTimeZone(calendar_.timeZone()).toString(QStringLiteral("MM/dd"));
}

QString DiaryPage::text() const {
    if (const auto page = entry()) {
        return page->text;
    }
    return QStringLiteral("糯墩的笔停在这里。\n先翻翻前几天的小事吧。");
}

void DiaryPage::move(int days) {
    if (const auto moved = calendar_.addingDays(date_, days)) {
        date_ = *moved;
    }
}

bool DiaryPage::canGoBack() const {
    const auto start = calendar_.startOfDay(date_);
    return start && *start > firstDate();
}

bool DiaryPage::canGoForward(const QDateTime& now) const {
    return !calendar_.isSameDay(date_, now) && date_ <= now;
}

std::optional<std::pair<QString, QDateTime>> DiaryPage::bottomAction(const QDateTime& now) const {
    if (!calendar_.isSameDay(date_, now)) {
        return std::pair{QStringLiteral("回到今天"), now};
    }
    if (!entry()) {
        return std::pair{QStringLiteral("看看最近一篇"),
                         DiaryEntry::entries().back().date(calendar_)};
    }
    return std::nullopt;
}

std::pair<QDate, QDate> DiaryPage::pickableDays(const QDateTime& now) const {
    const QDate first = calendar_.date(firstDate());
    return {first, std::max(first, calendar_.date(now))};
}

void DiaryPage::pick(QDate day) {
    const QDate shown = calendar_.date(date_);
    if (shown.isValid() && day.isValid()) {
        move(int(shown.daysTo(day)));
    }
}

QDateTime DiaryPage::firstDate() const {
    return DiaryEntry::entries().front().date(calendar_);
}

}  // namespace tundle
