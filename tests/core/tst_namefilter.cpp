#include "core/namefilter.h"

#include <QTest>

using namespace orbelle;

class TstNameFilter : public QObject
{
    Q_OBJECT

private slots:
    void acceptedNameCharacter_data();
    void acceptedNameCharacter();
    void typeThroughNameFilter_data();
    void typeThroughNameFilter();
};

void TstNameFilter::acceptedNameCharacter_data()
{
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QChar>("shown");

    QTest::newRow("lower j") << QChar(u'j') << true << QChar(u'J');
    QTest::newRow("lower a") << QChar(u'a') << true << QChar(u'A');
    QTest::newRow("lower z") << QChar(u'z') << true << QChar(u'Z');
    QTest::newRow("capital Z") << QChar(u'Z') << true << QChar(u'Z');
    QTest::newRow("capital A") << QChar(u'A') << true << QChar(u'A');
    QTest::newRow("space") << QChar(u' ') << true << QChar(u' ');
    QTest::newRow("backspace") << QChar(8) << true << QChar(8);
    QTest::newRow("enter") << QChar(13) << true << QChar(13);
    QTest::newRow("digit") << QChar(u'5') << false << QChar();
    QTest::newRow("hyphen") << QChar(u'-') << false << QChar();
    QTest::newRow("apostrophe") << QChar(u'\'') << false << QChar();
    QTest::newRow("e acute") << QChar(0x00E9) << false << QChar();
    QTest::newRow("tab") << QChar(u'\t') << false << QChar();
    QTest::newRow("line feed") << QChar(10) << false << QChar();
    // Just outside the letter ranges.
    QTest::newRow("at sign") << QChar(u'@') << false << QChar();
    QTest::newRow("bracket") << QChar(u'[') << false << QChar();
    QTest::newRow("backtick") << QChar(u'`') << false << QChar();
    QTest::newRow("brace") << QChar(u'{') << false << QChar();
}

void TstNameFilter::acceptedNameCharacter()
{
    QFETCH(QChar, typed);
    QFETCH(bool, accepted);
    QFETCH(QChar, shown);

    const std::optional<QChar> result = orbelle::acceptedNameCharacter(typed);
    QCOMPARE(result.has_value(), accepted);
    if (accepted)
        QCOMPARE(*result, shown);
}

void TstNameFilter::typeThroughNameFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");

    QTest::newRow("plain name") << QStringLiteral("john smith") << QStringLiteral("JOHN SMITH")
                                << false;
    // The box swallows the refused key and goes on taking the following ones.
    QTest::newRow("digit inside") << QStringLiteral("jo3n") << QStringLiteral("JON") << true;
    QTest::newRow("backspace removes")
        << QStringLiteral("jox\bhn") << QStringLiteral("JOHN") << false;
    QTest::newRow("backspace on empty")
        << QStringLiteral("\bann") << QStringLiteral("ANN") << false;
    QTest::newRow("enter adds nothing")
        << QStringLiteral("ann\r") << QStringLiteral("ANN") << false;
    QTest::newRow("empty") << QString() << QString() << false;
}

void TstNameFilter::typeThroughNameFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, refused);

    const FilteredName result = orbelle::typeThroughNameFilter(typed);
    QCOMPARE(result.text, text);
    QCOMPARE(result.refused, refused);
}

QTEST_GUILESS_MAIN(TstNameFilter)
#include "tst_namefilter.moc"
