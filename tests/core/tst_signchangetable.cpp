#include "core/signchangetable.h"
#include "tools/healingsign/content.h"
#include "tools/powersign/content.h"

#include <QSet>
#include <QTest>

#include <cstring>

using namespace orbelle;

Q_DECLARE_METATYPE(orbelle::CalendarDay)

namespace {

enum class Body { Pluto, Chiron };

const SignChangeTable &tableOf(Body body)
{
    return body == Body::Pluto ? powersign::plutoTable() : healingsign::chironTable();
}

const char *descriptionOf(Body body, SunSign sign)
{
    return body == Body::Pluto ? powersign::powerSignDescription(sign)
                               : healingsign::healingSignDescription(sign);
}

QByteArray dayText(CalendarDay day)
{
    return QByteArray::number(day.year) + '-' + QByteArray::number(day.month) + '-' +
           QByteArray::number(day.day);
}

} // namespace

Q_DECLARE_METATYPE(Body)

class TstSignChangeTable : public QObject
{
    Q_OBJECT

private slots:
    void signOn_data();
    void signOn();
    void tableShape_data();
    void tableShape();
    void everyReachableSignIsDescribed_data();
    void everyReachableSignIsDescribed();
    void powerSignDescriptions_data();
    void powerSignDescriptions();
    void healingSignDescriptions_data();
    void healingSignDescriptions();
};

void TstSignChangeTable::signOn_data()
{
    QTest::addColumn<Body>("body");
    QTest::addColumn<CalendarDay>("day");
    QTest::addColumn<QString>("sign"); // null: outside the table

    const struct {
        Body body;
        CalendarDay day;
        const char *sign;
    } rows[] = {
        {Body::Pluto, {1900, 1, 1}, "Gemini"},      {Body::Pluto, {1912, 9, 10}, "Gemini"},
        {Body::Pluto, {1912, 9, 11}, "Cancer"},     {Body::Pluto, {1912, 10, 20}, "Cancer"},
        {Body::Pluto, {1912, 10, 21}, "Gemini"},    {Body::Pluto, {1995, 4, 21}, "Sagittarius"},
        {Body::Pluto, {1995, 4, 22}, "Scorpio"},    {Body::Pluto, {2008, 11, 27}, "Sagittarius"},
        {Body::Pluto, {2008, 11, 28}, "Capricorn"}, {Body::Pluto, {1985, 6, 15}, "Scorpio"},
        {Body::Pluto, {2022, 12, 31}, "Capricorn"}, {Body::Pluto, {1899, 12, 31}, nullptr},
        {Body::Pluto, {2023, 1, 1}, nullptr},       {Body::Chiron, {1930, 1, 1}, "Taurus"},
        {Body::Chiron, {1933, 6, 6}, "Taurus"},     {Body::Chiron, {1933, 6, 7}, "Gemini"},
        {Body::Chiron, {1933, 12, 22}, "Gemini"},   {Body::Chiron, {1933, 12, 23}, "Taurus"},
        {Body::Chiron, {2005, 7, 31}, "Aquarius"},  {Body::Chiron, {2005, 8, 1}, "Capricorn"},
        {Body::Chiron, {2005, 12, 5}, "Capricorn"}, {Body::Chiron, {2005, 12, 6}, "Aquarius"},
        {Body::Chiron, {1996, 12, 29}, "Libra"},    {Body::Chiron, {1996, 12, 30}, "Scorpio"},
        {Body::Chiron, {2010, 4, 10}, "Aquarius"},  {Body::Chiron, {2010, 4, 11}, "Pisces"},
        {Body::Chiron, {2010, 7, 20}, "Pisces"},    {Body::Chiron, {2010, 7, 21}, "Aquarius"},
        {Body::Chiron, {2010, 12, 31}, "Aquarius"}, {Body::Chiron, {1929, 12, 31}, nullptr},
        {Body::Chiron, {2011, 1, 1}, nullptr},
    };
    for (const auto &row : rows) {
        const QByteArray name = (row.body == Body::Pluto ? "Pluto " : "Chiron ") + dayText(row.day);
        QTest::newRow(name.constData())
            << row.body << row.day << (row.sign ? QString::fromLatin1(row.sign) : QString());
    }
}

void TstSignChangeTable::signOn()
{
    QFETCH(Body, body);
    QFETCH(CalendarDay, day);
    QFETCH(QString, sign);

    const std::optional<SunSign> found = tableOf(body).signOn(day);
    if (sign.isNull()) {
        QVERIFY(!tableOf(body).covers(day));
        QVERIFY(!found.has_value());
    } else {
        QVERIFY(tableOf(body).covers(day));
        QVERIFY(found.has_value());
        QCOMPARE(signName(*found), sign);
    }
}

void TstSignChangeTable::tableShape_data()
{
    QTest::addColumn<Body>("body");
    QTest::addColumn<int>("changes");
    QTest::newRow("Pluto") << Body::Pluto << 27;
    QTest::newRow("Chiron") << Body::Chiron << 47;
}

// The lookup walks the changes in order, so they must be strictly increasing, fall
// inside the covered range, and each must really change the sign.
void TstSignChangeTable::tableShape()
{
    QFETCH(Body, body);
    QFETCH(int, changes);

    const SignChangeTable &table = tableOf(body);
    QCOMPARE(int(table.changeCount()), changes);
    SunSign previousSign = table.firstSign();
    for (std::size_t i = 0; i < table.changeCount(); ++i) {
        const SignChange &change = table.change(i);
        const QByteArray where = dayText(change.lastDayOfOldSign);
        if (i > 0)
            QVERIFY2(table.change(i - 1).lastDayOfOldSign < change.lastDayOfOldSign,
                     where.constData());
        QVERIFY2(table.firstDay() <= change.lastDayOfOldSign, where.constData());
        QVERIFY2(change.lastDayOfOldSign < table.lastDay(), where.constData());
        QVERIFY2(change.newSign != previousSign, where.constData());
        // A slow body only ever steps into a neighbouring sign.
        const int step = (signNumber(change.newSign) - signNumber(previousSign) + 12) % 12;
        QVERIFY2(step == 1 || step == 11, where.constData());
        previousSign = change.newSign;
    }
}

void TstSignChangeTable::everyReachableSignIsDescribed_data()
{
    QTest::addColumn<Body>("body");
    QTest::newRow("Pluto") << Body::Pluto;
    QTest::newRow("Chiron") << Body::Chiron;
}

void TstSignChangeTable::everyReachableSignIsDescribed()
{
    QFETCH(Body, body);

    const SignChangeTable &table = tableOf(body);
    QList<SunSign> reachable{table.firstSign()};
    for (std::size_t i = 0; i < table.changeCount(); ++i)
        reachable << table.change(i).newSign;
    for (SunSign sign : reachable) {
        const char *text = descriptionOf(body, sign);
        QVERIFY2(text && std::strlen(text) > 0, qPrintable(signName(sign)));
    }
}

void TstSignChangeTable::powerSignDescriptions_data()
{
    QTest::addColumn<int>("sign");
    QTest::addColumn<bool>("empty");
    for (SunSign sign : kAllSigns) {
        const bool empty = sign == SunSign::Aries || sign == SunSign::Taurus ||
                           sign == SunSign::Aquarius || sign == SunSign::Pisces;
        QTest::newRow(qPrintable(signName(sign))) << signNumber(sign) << empty;
    }
}

void TstSignChangeTable::powerSignDescriptions()
{
    QFETCH(int, sign);
    QFETCH(bool, empty);

    const SunSign s = kAllSigns[static_cast<std::size_t>(sign - 1)];
    const char *text = powersign::powerSignDescription(s);
    QVERIFY(text);
    const std::size_t length = std::strlen(text);
    if (empty) {
        QCOMPARE(length, std::size_t(0));
    } else {
        QVERIFY2(length >= 170 && length <= 450, QByteArray::number(qulonglong(length)));
    }
    if (s == SunSign::Gemini)
        QVERIFY(QByteArray(text).startsWith("You will take part in a lot of social issues."));
}

void TstSignChangeTable::healingSignDescriptions_data()
{
    QTest::addColumn<int>("sign");
    for (SunSign sign : kAllSigns)
        QTest::newRow(qPrintable(signName(sign))) << signNumber(sign);
}

void TstSignChangeTable::healingSignDescriptions()
{
    QFETCH(int, sign);

    const SunSign s = kAllSigns[static_cast<std::size_t>(sign - 1)];
    const char *text = healingsign::healingSignDescription(s);
    QVERIFY(text);
    const std::size_t length = std::strlen(text);
    QVERIFY2(length >= 150 && length <= 360, QByteArray::number(qulonglong(length)));
    if (s == SunSign::Aries)
        QVERIFY(QByteArray(text).startsWith("You sometimes fail to identify with yourself."));
}

QTEST_GUILESS_MAIN(TstSignChangeTable)
#include "tst_signchangetable.moc"
