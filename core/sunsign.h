#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace orbelle {

// The twelve signs in zodiac order; the numbers 1 to 12 pick sign pictures.
enum class SunSign {
    Aries = 1,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces,
};

inline constexpr std::array<SunSign, 12> kAllSigns{
    SunSign::Aries,       SunSign::Taurus,    SunSign::Gemini,   SunSign::Cancer,
    SunSign::Leo,         SunSign::Virgo,     SunSign::Libra,    SunSign::Scorpio,
    SunSign::Sagittarius, SunSign::Capricorn, SunSign::Aquarius, SunSign::Pisces,
};

enum class Element { Fire, Earth, Air, Water };

int signNumber(SunSign sign);
QString signName(SunSign sign);
std::optional<SunSign> signFromName(QStringView name);

// month is 1..12, day 1..31; the date must already have passed the date checks.
SunSign sunSignOf(int month, int day);

Element elementOf(SunSign sign);
QString elementName(Element element);
std::optional<Element> elementFromName(QStringView name);

} // namespace orbelle
