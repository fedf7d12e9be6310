#include "content.h"

#include "core/signtext.h"

#include <iterator>

namespace orbelle::healingsign {

namespace {

// Chiron's orbit is very eccentric: it spends years in some signs and only
// months in others, and retrogrades back over borders, hence the uneven rows.
// One crossing per line, so the rows can be checked against an ephemeris.
// clang-format off
constexpr SignChange kChironChanges[] = {
    {{1933, 6, 6}, SunSign::Gemini},
    {{1933, 12, 22}, SunSign::Taurus},
    {{1934, 3, 23}, SunSign::Gemini},
    {{1937, 8, 27}, SunSign::Cancer},
    {{1937, 11, 22}, SunSign::Gemini},
    {{1938, 5, 28}, SunSign::Cancer},
    {{1940, 9, 29}, SunSign::Leo},
    {{1940, 12, 27}, SunSign::Cancer},
    {{1941, 6, 16}, SunSign::Leo},
    {{1943, 7, 26}, SunSign::Virgo},
    {{1944, 11, 17}, SunSign::Libra},
    {{1945, 3, 23}, SunSign::Virgo},
    {{1945, 7, 22}, SunSign::Libra},
    {{1946, 11, 10}, SunSign::Scorpio},
    {{1948, 11, 28}, SunSign::Sagittarius},
    {{1951, 2, 8}, SunSign::Capricorn},
    {{1951, 6, 18}, SunSign::Sagittarius},
    {{1951, 11, 8}, SunSign::Capricorn},
    {{1955, 1, 27}, SunSign::Aquarius},
    {{1960, 3, 26}, SunSign::Pisces},
    {{1960, 8, 19}, SunSign::Aquarius},
    {{1961, 1, 20}, SunSign::Pisces},
    {{1968, 4, 1}, SunSign::Aries},
    {{1968, 10, 18}, SunSign::Pisces},
    {{1969, 1, 30}, SunSign::Aries},
    {{1976, 5, 28}, SunSign::Taurus},
    {{1976, 10, 13}, SunSign::Aries},
    {{1977, 3, 28}, SunSign::Taurus},
    {{1983, 6, 21}, SunSign::Gemini},
    {{1983, 11, 29}, SunSign::Taurus},
    {{1984, 4, 10}, SunSign::Gemini},
    {{1988, 6, 21}, SunSign::Cancer},
    {{1991, 7, 21}, SunSign::Leo},
    {{1993, 9, 3}, SunSign::Virgo},
    {{1995, 9, 9}, SunSign::Libra},
    {{1996, 12, 29}, SunSign::Scorpio},
    {{1997, 4, 4}, SunSign::Libra},
    {{1997, 9, 2}, SunSign::Scorpio},
    {{1999, 1, 7}, SunSign::Sagittarius},
    {{1999, 6, 1}, SunSign::Scorpio},
    {{1999, 9, 21}, SunSign::Sagittarius},
    {{2001, 12, 11}, SunSign::Capricorn},
    {{2005, 2, 21}, SunSign::Aquarius},
    {{2005, 7, 31}, SunSign::Capricorn},
    {{2005, 12, 5}, SunSign::Aquarius},
    {{2010, 4, 10}, SunSign::Pisces},
    {{2010, 7, 20}, SunSign::Aquarius},
};
// clang-format on

static_assert(std::size(kChironChanges) == 47);

constexpr SignText kDescriptions[] = {
    {SunSign::Aries,
     "You sometimes fail to identify with yourself. You may have felt that you had no right to "
     "exist as you are, or that your wishes came last. Healing begins when you take small brave "
     "steps on your own behalf; once you trust your courage, you can help others find theirs."},
    {SunSign::Taurus,
     "You may worry that there is never enough, whether money, comfort or love, and cling to "
     "what you have. This wound often goes back to early insecurity. You heal by learning that "
     "your worth does not depend on possessions, and by building a calm, steady life that also "
     "gives others a sense of safety."},
    {SunSign::Gemini,
     "You may have felt misunderstood or not clever enough as a child, and so you doubt your "
     "own voice. Words can become a place of pain for you. You overcome this by learning, asking "
     "and speaking anyway; in time you become a patient teacher who helps others express what "
     "they find hard to say."},
    {SunSign::Cancer,
     "You may have missed the care and belonging that every child needs, and you can feel like "
     "an outsider even among family. You heal by giving yourself the nurturing you lacked and by "
     "creating a home of your own choosing. Your experience then lets you comfort others who "
     "feel alone."},
    {SunSign::Leo,
     "You may have felt unseen or unappreciated when young, so you doubt your talents and fear "
     "standing out. You heal by daring to create and to show your work, even if the applause is "
     "small. Once you have found your own light, you are able to encourage others to shine as "
     "well."},
    {SunSign::Virgo,
     "You may judge yourself harshly and feel that nothing you do is good enough, and this "
     "strain can show in your health. You heal by treating your body and your work with "
     "kindness rather than criticism. Your careful attention then becomes a gift that helps "
     "others mend their own habits."},
    {SunSign::Libra,
     "You may have been hurt in early relationships and now fear being alone or being rejected. "
     "Sometimes you give up too much to keep others happy. You overcome this by finding balance "
     "within yourself first; then you can form fair, equal bonds and help others settle their "
     "conflicts."},
    {SunSign::Scorpio,
     "You may have met loss, betrayal or hidden pain early, and find it hard to trust. Deep "
     "feelings can frighten you. You heal by facing what you fear rather than burying it, and by "
     "letting people close step by step. Having come through the dark, you can guide others "
     "through their own crises."},
    {SunSign::Sagittarius,
     "You may have been given beliefs that did not fit you, or felt lost without a sense of "
     "meaning. Doubt can leave you restless. You heal by searching for your own truth through "
     "study, travel and honest questions. What you find then helps others who are looking for "
     "purpose in their lives."},
    {SunSign::Capricorn,
     "You may have carried responsibility too early or felt that you could never meet the "
     "expectations set for you. Failure weighs heavily on you. You overcome this by setting your "
     "own goals and honouring each step you achieve. Your hard-won wisdom lets you support "
     "others who struggle with pressure."},
    {SunSign::Aquarius,
     "You may have felt different from those around you, as if you never quite fitted into any "
     "group. This can make you keep your distance. You heal by accepting your difference as a "
     "strength and by finding people who share your ideals; then you can help other outsiders "
     "feel that they belong."},
    {SunSign::Pisces,
     "You may feel the suffering of the world too keenly and lose yourself in other people's "
     "pain, or escape into dreams. You heal by setting gentle limits and by giving your "
     "sensitivity a form, such as art, prayer or service. Then your compassion becomes a source "
     "of healing for others."},
};

static_assert(std::size(kDescriptions) == 12);

} // namespace

const SignChangeTable &chironTable()
{
    static constexpr SignChangeTable table{
        {1930, 1, 1}, {2010, 12, 31}, SunSign::Taurus, kChironChanges};
    return table;
}

const char *healingSignDescription(SunSign sign)
{
    return textForSign(kDescriptions, sign);
}

} // namespace orbelle::healingsign
