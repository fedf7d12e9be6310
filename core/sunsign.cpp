#include "sunsign.h"

namespace orbelle {

namespace {

constexpr std::array<const char *, 12> kSignNames{
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

constexpr std::array<const char *, 4> kElementNames{"Fire", "Earth", "Air", "Water"};

// The day on which the next sign begins, per month; earlier days belong to the
// sign that began in the previous month.
constexpr std::array<int, 12> kFirstDayOfNextSign{20, 19, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21};

// The sign that begins in each month (January: Aquarius ... December: Capricorn).
constexpr std::array<SunSign, 12> kSignBeginningIn{
    SunSign::Aquarius, SunSign::Pisces,  SunSign::Aries,       SunSign::Taurus,
    SunSign::Gemini,   SunSign::Cancer,  SunSign::Leo,         SunSign::Virgo,
    SunSign::Libra,    SunSign::Scorpio, SunSign::Sagittarius, SunSign::Capricorn,
};

} // namespace

int signNumber(SunSign sign)
{
    return static_cast<int>(sign);
}

QString signName(SunSign sign)
{
    return QString::fromLatin1(kSignNames[static_cast<std::size_t>(signNumber(sign) - 1)]);
}

std::optional<SunSign> signFromName(QStringView name)
{
    for (SunSign sign : kAllSigns) {
        if (name == QLatin1String(kSignNames[static_cast<std::size_t>(signNumber(sign) - 1)]))
            return sign;
    }
    return std::nullopt;
}

SunSign sunSignOf(int month, int day)
{
    const auto m = static_cast<std::size_t>(month - 1);
    if (day >= kFirstDayOfNextSign[m])
        return kSignBeginningIn[m];
    return kSignBeginningIn[(m + 11) % 12];
}

Element elementOf(SunSign sign)
{
    // Fire, Earth, Air, Water repeat around the zodiac from Aries.
    return static_cast<Element>((signNumber(sign) - 1) % 4);
}

QString elementName(Element element)
{
    return QString::fromLatin1(kElementNames[static_cast<std::size_t>(element)]);
}

std::optional<Element> elementFromName(QStringView name)
{
    for (std::size_t i = 0; i < kElementNames.size(); ++i) {
        if (name == QLatin1String(kElementNames[i]))
            return static_cast<Element>(i);
    }
    return std::nullopt;
}

} // namespace orbelle
