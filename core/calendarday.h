#pragma once

namespace orbelle {

// A plain calendar date usable in constexpr tables (QDate is not a literal type).
struct CalendarDay {
    int year;
    int month; // 1..12
    int day;   // 1..31

    constexpr bool operator<(const CalendarDay &o) const
    {
        if (year != o.year)
            return year < o.year;
        if (month != o.month)
            return month < o.month;
        return day < o.day;
    }
    constexpr bool operator==(const CalendarDay &o) const
    {
        return year == o.year && month == o.month && day == o.day;
    }
    constexpr bool operator<=(const CalendarDay &o) const { return !(o < *this); }
};

} // namespace orbelle
