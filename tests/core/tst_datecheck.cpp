#include "core/datecheck.h"

#include <QDate>
#include <QTest>

using namespace orbelle;

class TstDateCheck : public QObject
{
    Q_OBJECT

private slots:
    void dateRefusal_data();
    void dateRefusal();
    void everyExistingDayIsAccepted();
    void isLeapYear_data();
    void isLeapYear();
    void monthNamesInOrder();
    void monthFromNameIsExact_data();
    void monthFromNameIsExact();
};

namespace {
// February and the thirty-day months have always been refused with different texts.
const QString kFebruaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyDayMessage = QStringLiteral("Please Enter Correct Date Or Month !");
} // namespace

void TstDateCheck::dateRefusal_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // null: accepted

    QTest::newRow("29 Feb 1900, century not leap") << 29 << 2 << 1900 << kFebruaryMessage;
    QTest::newRow("29 Feb 2000, fourth century leap") << 29 << 2 << 2000 << QString();
    QTest::newRow("29 Feb 1904") << 29 << 2 << 1904 << QString();
    QTest::newRow("29 Feb 1901") << 29 << 2 << 1901 << kFebruaryMessage;
    QTest::newRow("29 Feb 2050") << 29 << 2 << 2050 << kFebruaryMessage;
    QTest::newRow("28 Feb 1900") << 28 << 2 << 1900 << QString();
    QTest::newRow("30 Feb 2000") << 30 << 2 << 2000 << kFebruaryMessage;
    QTest::newRow("31 Feb 2000") << 31 << 2 << 2000 << kFebruaryMessage;
    QTest::newRow("31 Apr") << 31 << 4 << 1975 << kThirtyDayMessage;
    QTest::newRow("31 Jun") << 31 << 6 << 1975 << kThirtyDayMessage;
    QTest::newRow("31 Sep") << 31 << 9 << 1975 << kThirtyDayMessage;
    QTest::newRow("31 Nov") << 31 << 11 << 1975 << kThirtyDayMessage;
    QTest::newRow("30 Apr") << 30 << 4 << 1975 << QString();
    QTest::newRow("30 Nov") << 30 << 11 << 1975 << QString();
    QTest::newRow("31 May") << 31 << 5 << 1975 << QString();
    QTest::newRow("31 Jul") << 31 << 7 << 1975 << QString();
    QTest::newRow("31 Dec") << 31 << 12 << 1975 << QString();
}

void TstDateCheck::dateRefusal()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);

    const std::optional<QString> refusal = orbelle::dateRefusal(day, month, year);
    if (message.isNull()) {
        QVERIFY2(!refusal, qPrintable(refusal.value_or(QString())));
    } else {
        QVERIFY(refusal.has_value());
        QCOMPARE(*refusal, message);
    }
}

// Cross-checked against QDate, which knows the Gregorian calendar: every date that
// exists must pass, and every day 1..31 that does not must be refused.
void TstDateCheck::everyExistingDayIsAccepted()
{
    for (int year : {1900, 1901, 1904, 1996, 2000, 2023, 2050}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const bool exists = QDate::isValid(year, month, day);
                const bool accepted = !orbelle::dateRefusal(day, month, year).has_value();
                QVERIFY2(exists == accepted,
                         qPrintable(QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day)));
            }
        }
    }
}

void TstDateCheck::isLeapYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("1900") << 1900 << false;
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("1996") << 1996 << true;
    QTest::newRow("2100") << 2100 << false;
    QTest::newRow("2023") << 2023 << false;
}

void TstDateCheck::isLeapYear()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(orbelle::isLeapYear(year), leap);
}

void TstDateCheck::monthNamesInOrder()
{
    const QStringList expected{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
    };
    QCOMPARE(monthNames(), expected);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(monthFromName(expected.at(i)), std::optional<int>(i + 1));
}

void TstDateCheck::monthFromNameIsExact_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lower case") << QStringLiteral("january");
    QTest::newRow("abbreviation") << QStringLiteral("Jan");
    QTest::newRow("number") << QStringLiteral("1");
    QTest::newRow("padded") << QStringLiteral(" May");
    QTest::newRow("empty") << QString();
}

void TstDateCheck::monthFromNameIsExact()
{
    QFETCH(QString, text);
    QVERIFY(!monthFromName(text).has_value());
}

QTEST_GUILESS_MAIN(TstDateCheck)
#include "tst_datecheck.moc"
