#include "core/scramble.h"

#include <QTest>

using namespace orbelle;

class TstScramble : public QObject
{
    Q_OBJECT

private slots:
    void shiftIsTwoDigits();
    void scrambleShiftsEachCode();
    void roundTrip_data();
    void roundTrip();
    void printableNeverBecomesLineEnd();
    void codeAboveTopIsDropped_data();
    void codeAboveTopIsDropped();
    void unmappableCharacterIsDropped();
    void unscrambleDropsCodesBelowShift();
    void euroSign();
};

void TstScramble::shiftIsTwoDigits()
{
    QVERIFY(kScrambleShift >= 10);
    QVERIFY(kScrambleShift <= 99);
}

void TstScramble::scrambleShiftsEachCode()
{
    const QString scrambled = ScrambleText(QStringLiteral("abc"));
    QCOMPARE(scrambled.size(), 3);
    QCOMPARE(int(scrambled.at(0).unicode()), 'a' + kScrambleShift);
    QCOMPARE(int(scrambled.at(1).unicode()), 'b' + kScrambleShift);
    QCOMPARE(int(scrambled.at(2).unicode()), 'c' + kScrambleShift);
    QCOMPARE(UnscrambleText(scrambled), QStringLiteral("abc"));

    const QByteArray codes = scrambleCodes(QByteArrayLiteral("abc"));
    QCOMPARE(codes.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(int(static_cast<unsigned char>(codes.at(i))), 'a' + i + kScrambleShift);
}

void TstScramble::roundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("name") << QStringLiteral("JOHN");
    QTest::newRow("name with space") << QStringLiteral("MARY ANN");
    QTest::newRow("day") << QStringLiteral("10");
    QTest::newRow("month") << QStringLiteral("May");
    QTest::newRow("year") << QStringLiteral("1975");
    // Every month name passes through the saved readings.
    QTest::newRow("January") << QStringLiteral("January");
    QTest::newRow("February") << QStringLiteral("February");
    QTest::newRow("July") << QStringLiteral("July");
    QTest::newRow("November") << QStringLiteral("November");
    QTest::newRow("empty") << QString();
}

void TstScramble::roundTrip()
{
    QFETCH(QString, plain);

    const QString scrambled = ScrambleText(plain);
    QCOMPARE(scrambled.size(), plain.size());
    if (!plain.isEmpty())
        QVERIFY(scrambled != plain);
    QCOMPARE(UnscrambleText(scrambled), plain);

    const QByteArray codes = toWindows1252(plain);
    QCOMPARE(fromWindows1252(unscrambleCodes(scrambleCodes(codes))), plain);
}

// Saved readings are split at line ends, so no scrambled character may look like one.
void TstScramble::printableNeverBecomesLineEnd()
{
    for (int c = 32; c <= 126; ++c) {
        const QByteArray codes = scrambleCodes(QByteArray(1, char(c)));
        QCOMPARE(codes.size(), 1);
        const int code = static_cast<unsigned char>(codes.at(0));
        QCOMPARE(code, c + kScrambleShift);
        QVERIFY(code != '\r' && code != '\n');
        const QString text = ScrambleText(QString(QChar(c)));
        QVERIFY(!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')));
    }
}

void TstScramble::codeAboveTopIsDropped_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("kept");

    // Latin-1 and Windows-1252 agree from 0xA0 up, so a code is also the character.
    QTest::newRow("last kept") << 255 - kScrambleShift << true;
    QTest::newRow("first dropped") << 256 - kScrambleShift << false;
    QTest::newRow("y diaeresis") << 0xFF << false;
}

void TstScramble::codeAboveTopIsDropped()
{
    QFETCH(int, code);
    QFETCH(bool, kept);
    QVERIFY(code >= 0xA0);

    const QString character(QChar(static_cast<char16_t>(code)));
    QCOMPARE(toWindows1252(character), QByteArray(1, char(code)));

    const QString scrambled = ScrambleText(QStringLiteral("A") + character + QStringLiteral("B"));
    if (kept) {
        QCOMPARE(scrambled.size(), 3);
        QCOMPARE(UnscrambleText(scrambled), QStringLiteral("A") + character + QStringLiteral("B"));
    } else {
        QCOMPARE(scrambled, ScrambleText(QStringLiteral("AB")));
        QVERIFY(scrambleCodes(QByteArray(1, char(code))).isEmpty());
    }
}

void TstScramble::unmappableCharacterIsDropped()
{
    const QString han(QChar(0x4E2D));
    QCOMPARE(toWindows1252(QStringLiteral("A") + han + QStringLiteral("B")), QByteArray("AB"));
    QVERIFY(ScrambleText(han).isEmpty());
    QCOMPARE(ScrambleText(QStringLiteral("A") + han), ScrambleText(QStringLiteral("A")));
    // A character outside the BMP is one code point, dropped as a whole.
    QCOMPARE(toWindows1252(QStringLiteral("A") + QString::fromUtf8("\xF0\x9F\x98\x80") +
                           QStringLiteral("B")),
             QByteArray("AB"));
}

void TstScramble::unscrambleDropsCodesBelowShift()
{
    QByteArray codes;
    codes.append(char(kScrambleShift - 1));
    codes.append(char('a' + kScrambleShift));
    codes.append(char(0));
    codes.append(char(kScrambleShift)); // exactly the shift: becomes code 0, kept
    QCOMPARE(unscrambleCodes(codes), QByteArray("a\0", 2));

    const QString text =
        QString(QChar(1)) + QChar('b' + kScrambleShift) + QChar(kScrambleShift - 1);
    QCOMPARE(UnscrambleText(text), QStringLiteral("b"));
}

void TstScramble::euroSign()
{
    const QString euro = QString::fromUtf8("\xE2\x82\xAC");
    QCOMPARE(toWindows1252(euro), QByteArray("\x80"));
    QCOMPARE(fromWindows1252(QByteArray("\x80")), euro);
}

QTEST_GUILESS_MAIN(TstScramble)
#include "tst_scramble.moc"
