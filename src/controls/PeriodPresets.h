#pragma once
#include <QDate>
#include <QString>

struct DatePeriod {
    QDate start;
    QDate end;
};

// The periods of the presets dialog: 27 one-click periods relative to today
// (rows 일, 주, 월, 년, 분기, 반기, 최근) and 12 shifts of a shown period by
// one unit (◀ even, ▶ odd index; rows 일 to 반기). Weeks run Sunday to
// Saturday; the 최근 spans are counted in days.
class PeriodPresets {
public:
    static constexpr int PresetCount = 27;
    static constexpr int ShiftCount = 12;
    static constexpr int FirstQuarter = 16; // "1분기"; 17 to 19 follow
    static constexpr int FirstHalf = 20;    // "전반기"; 21 "후반기"

    static QString caption(int preset);
    static DatePeriod preset(int preset, const QDate &today);
    // A year shift of 29 February into a year without one gives 28 February.
    static DatePeriod shift(int shift, const DatePeriod &shown);
    // The buttons of today's quarter and half-year.
    static int quarterButton(const QDate &today);
    static int halfYearButton(const QDate &today);

private:
    static DatePeriod monthShift(const QDate &start, const QDate &end, int offset);
};
