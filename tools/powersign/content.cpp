#include "content.h"

#include "core/signtext.h"

#include <iterator>

namespace orbelle::powersign {

namespace {

// Pluto is slow and retrogrades across sign borders, so a sign can be entered,
// left and re-entered within a year or two. One crossing per line, so the
// rows can be checked against an ephemeris.
// clang-format off
constexpr SignChange kPlutoChanges[] = {
    {{1912, 9, 10}, SunSign::Cancer},
    {{1912, 10, 20}, SunSign::Gemini},
    {{1913, 7, 9}, SunSign::Cancer},
    {{1913, 12, 28}, SunSign::Gemini},
    {{1914, 5, 26}, SunSign::Cancer},
    {{1937, 10, 7}, SunSign::Leo},
    {{1937, 11, 25}, SunSign::Cancer},
    {{1938, 8, 3}, SunSign::Leo},
    {{1939, 2, 7}, SunSign::Cancer},
    {{1939, 6, 14}, SunSign::Leo},
    {{1956, 10, 20}, SunSign::Virgo},
    {{1957, 1, 15}, SunSign::Leo},
    {{1957, 8, 19}, SunSign::Virgo},
    {{1958, 4, 11}, SunSign::Leo},
    {{1958, 6, 10}, SunSign::Virgo},
    {{1971, 10, 5}, SunSign::Libra},
    {{1972, 4, 17}, SunSign::Virgo},
    {{1972, 7, 30}, SunSign::Libra},
    {{1983, 11, 5}, SunSign::Scorpio},
    {{1984, 5, 18}, SunSign::Libra},
    {{1984, 8, 28}, SunSign::Scorpio},
    {{1995, 1, 17}, SunSign::Sagittarius},
    {{1995, 4, 21}, SunSign::Scorpio},
    {{1995, 11, 10}, SunSign::Sagittarius},
    {{2008, 1, 26}, SunSign::Capricorn},
    {{2008, 6, 14}, SunSign::Sagittarius},
    {{2008, 11, 27}, SunSign::Capricorn},
};
// clang-format on

static_assert(std::size(kPlutoChanges) == 27);

// Pluto never reaches Aries, Taurus, Aquarius or Pisces between 1900 and 2022,
// so those entries stay empty; the reading window then shows no text.
constexpr SignText kDescriptions[] = {
    {SunSign::Aries, ""},
    {SunSign::Taurus, ""},
    {SunSign::Gemini,
     "You will take part in a lot of social issues. Your generation questions how ideas travel "
     "and who controls the spread of news, and you feel drawn to speak up, write or teach. "
     "Restless curiosity is your strength; transformation comes when you turn scattered "
     "interests into one clear message that changes minds."},
    {SunSign::Cancer,
     "You carry a deep bond with home, family and the land you come from. Pluto here asks you "
     "to rebuild the idea of security: old family patterns may break apart so that something "
     "more honest can grow. You find your power in protecting the people you love and in "
     "letting go of fears you inherited from the past."},
    {SunSign::Leo,
     "You are driven to create and to be seen for what you make. Pluto in Leo gives you a "
     "strong will and the urge to leave your mark, whether in art, leadership or raising "
     "children. Your transformation comes when pride gives way to generosity, and you use your "
     "confidence to lift others up instead of standing above them."},
    {SunSign::Virgo,
     "You feel the urge to improve things, starting with your own body, habits and daily work. "
     "Pluto in Virgo brings changes in the way you look after your health and serve others. You "
     "have a sharp eye for what is broken and the patience to fix it; your power grows when you "
     "stop chasing perfection and accept progress step by step."},
    {SunSign::Libra,
     "You look for fairness in every relationship and are ready to rethink what partnership "
     "means. Pluto in Libra brings deep changes in love, marriage and friendship, and often in "
     "your sense of justice. You grow stronger when you stop keeping the peace at any price and "
     "learn that honest disagreement can bring people closer."},
    {SunSign::Scorpio,
     "You are not afraid of what lies beneath the surface. Pluto is at home in Scorpio, so its "
     "force is strong in you: you feel drawn to hidden truths, shared resources and the great "
     "questions of birth, death and rebirth. Crises tend to renew you. Your power lies in "
     "letting old parts of yourself die so that a wiser self can rise."},
    {SunSign::Sagittarius,
     "You search for meaning beyond the borders you were born into. Pluto in Sagittarius brings "
     "changes in belief, education and travel, and it urges you to question what you were "
     "taught. You may break with rigid views and find your own truth through wide experience. "
     "Your strength grows when your faith stays open to other people's answers."},
    {SunSign::Capricorn,
     "You are here to take a hard look at the structures that shape your world, from "
     "governments and companies to your own ambitions. Pluto in Capricorn tears down what has "
     "grown rotten so that sounder foundations can be laid. You gain lasting power through "
     "discipline and responsibility, as long as you build for the common good and not for "
     "control."},
    {SunSign::Aquarius, ""},
    {SunSign::Pisces, ""},
};

static_assert(std::size(kDescriptions) == 12);

} // namespace

const SignChangeTable &plutoTable()
{
    static constexpr SignChangeTable table{
        {1900, 1, 1}, {2022, 12, 31}, SunSign::Gemini, kPlutoChanges};
    return table;
}

const char *powerSignDescription(SunSign sign)
{
    return textForSign(kDescriptions, sign);
}

} // namespace orbelle::powersign
