#pragma once

#include <QString>

namespace orbelle {

// The person of the last reading made by a tool with a report window.
struct BirthData {
    QString name; // trimmed
    int year = 0;
    QString monthName; // "January" ... "December"
    int day = 0;

    bool operator==(const BirthData &o) const
    {
        return name == o.name && year == o.year && monthName == o.monthName && day == o.day;
    }
};

} // namespace orbelle
