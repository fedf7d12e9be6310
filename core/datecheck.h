#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orbelle {

// "January" ... "December", the texts of every month list.
const QStringList &monthNames();
// 1..12, or nothing for a text that is not a month name.
std::optional<int> monthFromName(const QString &name);

// Gregorian: 1900 was not a leap year, 2000 was.
bool isLeapYear(int year);

// The message for a day the month does not have, or nothing when the date exists.
std::optional<QString> dateRefusal(int day, int month, int year);

} // namespace orbelle
