#pragma once

#include "calendarday.h"
#include "sunsign.h"

#include <cstddef>
#include <optional>

namespace orbelle {

// One sign change of a slowly moving body: lastDayOfOldSign is the last day
// on which the previous sign applies; newSign holds from the following day.
struct SignChange {
    CalendarDay lastDayOfOldSign;
    SunSign newSign;
};

// The sign of a body on the first covered day plus its ordered sign changes.
class SignChangeTable
{
public:
    template <std::size_t N>
    constexpr SignChangeTable(CalendarDay firstDay, CalendarDay lastDay, SunSign firstSign,
                              const SignChange (&changes)[N])
        : m_firstDay(firstDay), m_lastDay(lastDay), m_firstSign(firstSign), m_changes(changes),
          m_count(N)
    {
    }

    CalendarDay firstDay() const { return m_firstDay; }
    CalendarDay lastDay() const { return m_lastDay; }
    SunSign firstSign() const { return m_firstSign; }
    std::size_t changeCount() const { return m_count; }
    const SignChange &change(std::size_t i) const { return m_changes[i]; }

    bool covers(CalendarDay day) const;
    // The sign on that day, or nothing when the day lies outside the covered range.
    std::optional<SunSign> signOn(CalendarDay day) const;

private:
    CalendarDay m_firstDay;
    CalendarDay m_lastDay;
    SunSign m_firstSign;
    const SignChange *m_changes;
    std::size_t m_count;
};

} // namespace orbelle
