#include "core/sunsign.h"

#include <QTest>

using namespace orbelle;

Q_DECLARE_METATYPE(orbelle::SunSign)
Q_DECLARE_METATYPE(orbelle::Element)

class TstSunSign : public QObject
{
    Q_OBJECT

private slots:
    void sunSignOfBoundaries_data();
    void sunSignOfBoundaries();
    void everyDayOfTheYearHasTheSignOfItsRange();
    void namesAndNumbers_data();
    void namesAndNumbers();
    void nameLookupIsExact_data();
    void nameLookupIsExact();
    void elements_data();
    void elements();
};

void TstSunSign::sunSignOfBoundaries_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<SunSign>("expected");

    // The last day of the old sign and the first day of the new one, month by month.
    QTest::newRow("Jan 1") << 1 << 1 << SunSign::Capricorn;
    QTest::newRow("Jan 19") << 1 << 19 << SunSign::Capricorn;
    QTest::newRow("Jan 20") << 1 << 20 << SunSign::Aquarius;
    QTest::newRow("Feb 18") << 2 << 18 << SunSign::Aquarius;
    QTest::newRow("Feb 19") << 2 << 19 << SunSign::Pisces;
    QTest::newRow("Feb 29") << 2 << 29 << SunSign::Pisces;
    QTest::newRow("Mar 20") << 3 << 20 << SunSign::Pisces;
    QTest::newRow("Mar 21") << 3 << 21 << SunSign::Aries;
    QTest::newRow("Apr 20") << 4 << 20 << SunSign::Aries;
    QTest::newRow("Apr 21") << 4 << 21 << SunSign::Taurus;
    QTest::newRow("May 20") << 5 << 20 << SunSign::Taurus;
    QTest::newRow("May 21") << 5 << 21 << SunSign::Gemini;
    QTest::newRow("Jun 20") << 6 << 20 << SunSign::Gemini;
    QTest::newRow("Jun 21") << 6 << 21 << SunSign::Cancer;
    QTest::newRow("Jul 20") << 7 << 20 << SunSign::Cancer;
    QTest::newRow("Jul 21") << 7 << 21 << SunSign::Leo;
    QTest::newRow("Aug 20") << 8 << 20 << SunSign::Leo;
    QTest::newRow("Aug 21") << 8 << 21 << SunSign::Virgo;
    QTest::newRow("Sep 20") << 9 << 20 << SunSign::Virgo;
    QTest::newRow("Sep 21") << 9 << 21 << SunSign::Libra;
    QTest::newRow("Oct 20") << 10 << 20 << SunSign::Libra;
    QTest::newRow("Oct 21") << 10 << 21 << SunSign::Scorpio;
    QTest::newRow("Nov 20") << 11 << 20 << SunSign::Scorpio;
    QTest::newRow("Nov 21") << 11 << 21 << SunSign::Sagittarius;
    QTest::newRow("Dec 20") << 12 << 20 << SunSign::Sagittarius;
    QTest::newRow("Dec 21") << 12 << 21 << SunSign::Capricorn;
    QTest::newRow("Dec 31") << 12 << 31 << SunSign::Capricorn;
}

void TstSunSign::sunSignOfBoundaries()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(SunSign, expected);
    QCOMPARE(signName(sunSignOf(month, day)), signName(expected));
}

// Walking a leap year day by day, the sign may only ever move on to the next sign in
// the zodiac, and exactly twelve times; a wrong table entry breaks one of the two.
void TstSunSign::everyDayOfTheYearHasTheSignOfItsRange()
{
    const int monthLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    SunSign previous = sunSignOf(1, 1);
    int changes = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= monthLengths[month - 1]; ++day) {
            const SunSign sign = sunSignOf(month, day);
            if (sign != previous) {
                const int expectedNext = signNumber(previous) % 12 + 1;
                QVERIFY2(signNumber(sign) == expectedNext,
                         qPrintable(QStringLiteral("%1/%2 jumps from %3 to %4")
                                        .arg(month)
                                        .arg(day)
                                        .arg(signName(previous), signName(sign))));
                ++changes;
                previous = sign;
            }
        }
    }
    QCOMPARE(changes, 12);
    QCOMPARE(previous, SunSign::Capricorn);
}

void TstSunSign::namesAndNumbers_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");

    const char *names[12] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int i = 0; i < 12; ++i)
        QTest::newRow(names[i]) << kAllSigns[static_cast<std::size_t>(i)]
                                << QString::fromLatin1(names[i]) << i + 1;
}

void TstSunSign::namesAndNumbers()
{
    QFETCH(SunSign, sign);
    QFETCH(QString, name);
    QFETCH(int, number);

    QCOMPARE(signNumber(sign), number);
    QCOMPARE(signName(sign), name);
    const std::optional<SunSign> back = signFromName(name);
    QVERIFY(back.has_value());
    QCOMPARE(*back, sign);
}

void TstSunSign::nameLookupIsExact_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lower case") << QStringLiteral("aries");
    QTest::newRow("upper case") << QStringLiteral("ARIES");
    QTest::newRow("trailing space") << QStringLiteral("Aries ");
    QTest::newRow("enum name") << QStringLiteral("SunSign");
    QTest::newRow("empty") << QString();
}

void TstSunSign::nameLookupIsExact()
{
    QFETCH(QString, text);
    QVERIFY(!signFromName(text).has_value());
}

void TstSunSign::elements_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<Element>("element");
    QTest::addColumn<QString>("elementText");

    QTest::newRow("Aries") << SunSign::Aries << Element::Fire << QStringLiteral("Fire");
    QTest::newRow("Leo") << SunSign::Leo << Element::Fire << QStringLiteral("Fire");
    QTest::newRow("Sagittarius") << SunSign::Sagittarius << Element::Fire << QStringLiteral("Fire");
    QTest::newRow("Taurus") << SunSign::Taurus << Element::Earth << QStringLiteral("Earth");
    QTest::newRow("Virgo") << SunSign::Virgo << Element::Earth << QStringLiteral("Earth");
    QTest::newRow("Capricorn") << SunSign::Capricorn << Element::Earth << QStringLiteral("Earth");
    QTest::newRow("Gemini") << SunSign::Gemini << Element::Air << QStringLiteral("Air");
    QTest::newRow("Libra") << SunSign::Libra << Element::Air << QStringLiteral("Air");
    QTest::newRow("Aquarius") << SunSign::Aquarius << Element::Air << QStringLiteral("Air");
    QTest::newRow("Cancer") << SunSign::Cancer << Element::Water << QStringLiteral("Water");
    QTest::newRow("Scorpio") << SunSign::Scorpio << Element::Water << QStringLiteral("Water");
    QTest::newRow("Pisces") << SunSign::Pisces << Element::Water << QStringLiteral("Water");
}

void TstSunSign::elements()
{
    QFETCH(SunSign, sign);
    QFETCH(Element, element);
    QFETCH(QString, elementText);

    QCOMPARE(elementOf(sign), element);
    QCOMPARE(elementName(elementOf(sign)), elementText);
    QCOMPARE(elementFromName(elementText), std::optional<Element>(element));
}

QTEST_GUILESS_MAIN(TstSunSign)
#include "tst_sunsign.moc"
