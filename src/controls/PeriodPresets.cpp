#include "PeriodPresets.h"

#include <array>

namespace {
QDate firstOfMonth(const QDate &date, int offset) { return QDate(date.year(), date.month(), 1).addMonths(offset); }

QDate lastOfMonth(const QDate &date, int offset) { return firstOfMonth(date, offset + 1).addDays(-1); }

DatePeriod days(const QDate &start, int length) { return {start, start.addDays(length - 1)}; }

DatePeriod monthSpan(const QDate &date, int from, int count)
{
    return {firstOfMonth(date, from), lastOfMonth(date, from + count - 1)};
}

DatePeriod year(int y, int firstMonth, int monthCount) { return monthSpan(QDate(y, firstMonth, 1), 0, monthCount); }

int sinceSunday(const QDate &date) { return date.dayOfWeek() % 7; }

const std::array<const char *, PeriodPresets::PresetCount> captions = {
    "그제",   "어제",      "오늘   日", "내일",     "지지난주",  "지난주",    "이번주   ", "다음주",    "지지난달",
    "지난달", "이번달 月", "다음달",    "지지난해", "지난해",    "올해   年", "다음해",    "1분기",     "2분기",
    "3분기",  "4분기",     "전반기",    "후반기",   "최근1개월", "최근2개월", "최근3개월", "최근6개월", "최근1년"};

const std::array<int, 5> recentDays = {30, 60, 90, 180, 365};
const std::array<int, 6> shiftMonths = {0, 0, 1, 0, 3, 6}; // by row: 일 주 월 년 분기 반기
} // namespace

QString PeriodPresets::caption(int preset) { return QString::fromUtf8(captions.at(std::size_t(preset))); }

DatePeriod PeriodPresets::preset(int preset, const QDate &today)
{
    const int column = preset % 4;
    const int y = today.year();
    if (preset < 4)
        return days(today.addDays(column - 2), 1);
    if (preset < 8)
        return days(today.addDays(-sinceSunday(today) + 7 * (column - 2)), 7);
    if (preset < 12)
        return monthSpan(today, column - 2, 1);
    if (preset < 16)
        return year(y + column - 2, 1, 12);
    if (preset < FirstHalf)
        return year(y, 1 + 3 * (preset - FirstQuarter), 3);
    if (preset < 22)
        return year(y, 1 + 6 * (preset - FirstHalf), 6);
    return {today.addDays(-recentDays.at(std::size_t(preset - 22))), today};
}

DatePeriod PeriodPresets::shift(int shift, const DatePeriod &shown)
{
    const int row = shift / 2;
    const int direction = shift % 2 == 0 ? -1 : 1;
    switch (row) {
    case 0: return {shown.start.addDays(direction), shown.end.addDays(direction)};
    case 1: return {shown.start.addDays(7 * direction), shown.end.addDays(7 * direction)};
    case 3: return {shown.start.addYears(direction), shown.end.addYears(direction)};
    default: return monthShift(shown.start, shown.end, shiftMonths.at(std::size_t(row)) * direction);
    }
}

DatePeriod PeriodPresets::monthShift(const QDate &start, const QDate &end, int offset)
{
    return {firstOfMonth(start, offset), lastOfMonth(end, offset)};
}

int PeriodPresets::quarterButton(const QDate &today) { return FirstQuarter + (today.month() - 1) / 3; }

int PeriodPresets::halfYearButton(const QDate &today) { return FirstHalf + (today.month() > 6 ? 1 : 0); }
