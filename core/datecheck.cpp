#include "datecheck.h"

namespace orbelle {

const QStringList &monthNames()
{
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
    };
    return names;
}

std::optional<int> monthFromName(const QString &name)
{
    const qsizetype index = monthNames().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return static_cast<int>(index) + 1;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<QString> dateRefusal(int day, int month, int year)
{
    if (month == 2 && day > (isLeapYear(year) ? 29 : 28))
        return QStringLiteral("Please Enter Correct Date Or Month!");
    const bool thirtyDays = month == 4 || month == 6 || month == 9 || month == 11;
    if (thirtyDays && day == 31)
        return QStringLiteral("Please Enter Correct Date Or Month !");
    return std::nullopt;
}

} // namespace orbelle
