#include "signchangetable.h"

namespace orbelle {

bool SignChangeTable::covers(CalendarDay day) const
{
    return m_firstDay <= day && day <= m_lastDay;
}

std::optional<SunSign> SignChangeTable::signOn(CalendarDay day) const
{
    if (!covers(day))
        return std::nullopt;
    // Every change whose last day lies before the date has already happened.
    SunSign sign = m_firstSign;
    for (std::size_t i = 0; i < m_count && m_changes[i].lastDayOfOldSign < day; ++i)
        sign = m_changes[i].newSign;
    return sign;
}

} // namespace orbelle
