#include "core/inputprofile.h"

#include <QTest>

using namespace orbelle;

Q_DECLARE_METATYPE(orbelle::ToolId)
Q_DECLARE_METATYPE(orbelle::MessageIcon)

class TstInputCheck : public QObject
{
    Q_OBJECT

private slots:
    void checkBirthInput_data();
    void checkBirthInput();
    void profileValues_data();
    void profileValues();
    void profilesAreIndexedByTool();
};

namespace {
const QString kEnterName = QStringLiteral("Please Enter Your Name");
const QString kThirtyDayMessage = QStringLiteral("Please Enter Correct Date Or Month !");
const QString kFebruaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
} // namespace

void TstInputCheck::checkBirthInput_data()
{
    QTest::addColumn<ToolId>("tool");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // null: accepted
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<int>("focus");

    const auto info = MessageIcon::Information;
    const auto critical = MessageIcon::Critical;

    QTest::newRow("Health empty name")
        << ToolId::Health << QStringList{QString()} << 10 << 5 << 1975 << kEnterName << info << 0;
    QTest::newRow("Health no name box text at all")
        << ToolId::Health << QStringList{} << 10 << 5 << 1975 << kEnterName << info << 0;
    // Health tests the box as typed, so spaces count as a name.
    QTest::newRow("Health spaces pass") << ToolId::Health << QStringList{QStringLiteral("   ")}
                                        << 10 << 5 << 1975 << QString() << info << -1;
    QTest::newRow("Financial spaces refused")
        << ToolId::Financial << QStringList{QStringLiteral("   ")} << 10 << 5 << 1975 << kEnterName
        << critical << 0;
    QTest::newRow("Financial empty") << ToolId::Financial << QStringList{QString()} << 10 << 5
                                     << 1975 << kEnterName << critical << 0;
    QTest::newRow("Financial valid") << ToolId::Financial << QStringList{QStringLiteral(" JOHN ")}
                                     << 10 << 5 << 1975 << QString() << info << -1;
    QTest::newRow("Flower empty name")
        << ToolId::Flower << QStringList{QString()} << 10 << 5 << 1975
        << QStringLiteral("Please Enter  Your Name !") << info << 0;
    QTest::newRow("Food empty first name")
        << ToolId::Food << QStringList{QString(), QStringLiteral("Q"), QStringLiteral("PUBLIC")}
        << 10 << 5 << 1975 << QStringLiteral("Please Enter Your First Name") << info << 0;
    QTest::newRow("Food empty last name")
        << ToolId::Food << QStringList{QStringLiteral("JOHN"), QStringLiteral("Q"), QString()} << 10
        << 5 << 1975 << QStringLiteral("Please Enter Your Last Name") << info << 2;
    QTest::newRow("Food last name box missing")
        << ToolId::Food << QStringList{QStringLiteral("JOHN")} << 10 << 5 << 1975
        << QStringLiteral("Please Enter Your Last Name") << info << 2;
    QTest::newRow("Food empty middle name passes")
        << ToolId::Food << QStringList{QStringLiteral("JOHN"), QString(), QStringLiteral("PUBLIC")}
        << 10 << 5 << 1975 << QString() << info << -1;
    QTest::newRow("Health name before date")
        << ToolId::Health << QStringList{QString()} << 31 << 4 << 1975 << kEnterName << info << 0;
    QTest::newRow("Food name before date")
        << ToolId::Food << QStringList{QStringLiteral("JOHN"), QString(), QString()} << 31 << 4
        << 1975 << QStringLiteral("Please Enter Your Last Name") << info << 2;
    QTest::newRow("Health 31 April") << ToolId::Health << QStringList{QStringLiteral("JOHN")} << 31
                                     << 4 << 1975 << kThirtyDayMessage << info << -1;
    // The date message keeps the Information icon even where the name message is Critical.
    QTest::newRow("Financial 31 April") << ToolId::Financial << QStringList{QStringLiteral("JOHN")}
                                        << 31 << 4 << 1975 << kThirtyDayMessage << info << -1;
    QTest::newRow("HealingSign 29 Feb 1931")
        << ToolId::HealingSign << QStringList{QStringLiteral("JOHN")} << 29 << 2 << 1931
        << kFebruaryMessage << info << -1;
    // Fruit asks for no date, so whatever the (hidden) lists hold cannot refuse it.
    QTest::newRow("Fruit ignores the date") << ToolId::Fruit << QStringList{QStringLiteral("JOHN")}
                                            << 31 << 4 << 1975 << QString() << info << -1;
    QTest::newRow("Fruit empty name")
        << ToolId::Fruit << QStringList{QString()} << 1 << 1 << 1900 << kEnterName << info << 0;
}

void TstInputCheck::checkBirthInput()
{
    QFETCH(ToolId, tool);
    QFETCH(QStringList, names);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(MessageIcon, icon);
    QFETCH(int, focus);

    BirthInput input;
    input.names = names;
    input.day = day;
    input.month = month;
    input.year = year;
    const std::optional<InputRefusal> refusal = orbelle::checkBirthInput(inputProfile(tool), input);
    if (message.isNull()) {
        QVERIFY2(!refusal, qPrintable(refusal ? refusal->message : QString()));
        return;
    }
    QVERIFY(refusal.has_value());
    QCOMPARE(refusal->message, message);
    QCOMPARE(refusal->icon, icon);
    QCOMPARE(refusal->focusNameBox, focus);
}

void TstInputCheck::profileValues_data()
{
    QTest::addColumn<ToolId>("tool");
    QTest::addColumn<bool>("hasDateLists");
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<QString>("keystrokeMessage"); // null: no filter
    QTest::addColumn<QString>("readingButton");
    QTest::addColumn<bool>("remindOnLoad");

    const QString letters = QStringLiteral("Please Enter only Letters");
    const QString alphabet = QStringLiteral("Please Enter Only Alphabet");
    const QString next = QStringLiteral("cmdNext");
    const QString proceed = QStringLiteral("cmdProceed");

    QTest::newRow("Health") << ToolId::Health << true << 1900 << 2050 << letters << next << true;
    QTest::newRow("Yoga") << ToolId::Yoga << true << 1900 << 2050 << letters << next << true;
    QTest::newRow("Flower") << ToolId::Flower << true << 1900 << 2050 << letters << proceed << true;
    QTest::newRow("Financial") << ToolId::Financial << true << 1900 << 2050 << QString() << proceed
                               << false;
    QTest::newRow("Food") << ToolId::Food << true << 1900 << 2050 << alphabet << next << false;
    QTest::newRow("PowerSign") << ToolId::PowerSign << true << 1900 << 2022 << letters << next
                               << false;
    QTest::newRow("HealingSign") << ToolId::HealingSign << true << 1930 << 2010 << letters << next
                                 << false;
    // Fruit has no year list; its range is never consulted.
    QTest::newRow("Fruit") << ToolId::Fruit << false << -1 << -1 << alphabet << next << false;
}

void TstInputCheck::profileValues()
{
    QFETCH(ToolId, tool);
    QFETCH(bool, hasDateLists);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(QString, keystrokeMessage);
    QFETCH(QString, readingButton);
    QFETCH(bool, remindOnLoad);

    const InputProfile &profile = inputProfile(tool);
    QCOMPARE(profile.hasDateLists, hasDateLists);
    if (firstYear >= 0) {
        QCOMPARE(profile.firstYear, firstYear);
        QCOMPARE(profile.lastYear, lastYear);
    }
    if (keystrokeMessage.isNull())
        QVERIFY(profile.keystrokeMessage == nullptr);
    else
        QCOMPARE(QString::fromLatin1(profile.keystrokeMessage), keystrokeMessage);
    QCOMPARE(QString::fromLatin1(profile.readingButton), readingButton);
    QCOMPARE(profile.remindOnLoad, remindOnLoad);
}

// The table is indexed by the tool's number, so a row out of place would hand one
// tool another tool's rules.
void TstInputCheck::profilesAreIndexedByTool()
{
    for (ToolId tool : kAllTools)
        QCOMPARE(inputProfile(tool).tool, tool);
}

QTEST_GUILESS_MAIN(TstInputCheck)
#include "tst_inputcheck.moc"
