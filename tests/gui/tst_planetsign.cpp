#include "app/launcherwindow.h"
#include "support/fakeplatform.h"
#include "support/guitest.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace orbelle;
using namespace orbelle::test;

namespace {

struct Tool {
    int button;
    QString input, reading, signLabel, firstYear, lastYear;
};

const Tool kPowerSign{
    5, "frmZodiacPowerSignMain", "frmZodiacPowerSignDisplay", "lblPowerSign", "1900", "2022"};
const Tool kHealingSign{
    6, "frmZodiacHealingSignMain", "frmZodiacHealingSignDisplay", "lblHealingSign", "1930", "2010"};

} // namespace

Q_DECLARE_METATYPE(Tool)

class TstPlanetSign : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void yearListsCoverTheTables_data();
    void yearListsCoverTheTables();
    void readingShowsTheSignOfTheDate_data();
    void readingShowsTheSignOfTheDate();
    void backKeepsTheEntriesAndASecondReadingRefills_data();
    void backKeepsTheEntriesAndASecondReadingRefills();
    void theTwoToolsKeepTheirResultsApart();
    void healingDateCaptionOpensTheFullBrandingOffer();
    void windowsCarryTheirCaptionsAndMenus();

private:
    QWidget *open(const Tool &tool);
    QWidget *read(const Tool &tool, const QString &day, const QString &month, const QString &year);

    FakePlatform m_platform;
    std::unique_ptr<LauncherWindow> m_launcher;
};

void TstPlanetSign::init()
{
    m_launcher = std::make_unique<LauncherWindow>(m_platform);
    m_launcher->show();
}

void TstPlanetSign::cleanup()
{
    m_launcher.reset();
    settle();
    QCOMPARE(leftoverWindows(), QStringList());
    m_platform.verify();
}

QWidget *TstPlanetSign::open(const Tool &tool)
{
    // Power Sign's entry is hidden in this edition; clicking it still selects.
    m_launcher->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_%1").arg(tool.button))
        ->click();
    settle();
    return visibleWindow(tool.input);
}

QWidget *TstPlanetSign::read(const Tool &tool, const QString &day, const QString &month,
                             const QString &year)
{
    QWidget *input = visibleWindow(tool.input);
    if (!input)
        input = open(tool);
    if (!input || !enterBirth(input, "ann", day, month, year))
        return nullptr;
    QTest::mouseClick(input->findChild<QPushButton *>("cmdNext"), Qt::LeftButton);
    return visibleWindow(tool.reading);
}

void TstPlanetSign::yearListsCoverTheTables_data()
{
    QTest::addColumn<Tool>("tool");
    QTest::newRow("power sign") << kPowerSign;
    QTest::newRow("healing sign") << kHealingSign;
}

void TstPlanetSign::yearListsCoverTheTables()
{
    QFETCH(Tool, tool);
    QWidget *input = open(tool);
    QVERIFY(input);
    auto *years = input->findChild<QComboBox *>("cboYear");
    QCOMPARE(years->itemText(0), tool.firstYear);
    QCOMPARE(years->itemText(years->count() - 1), tool.lastYear);
    QCOMPARE(years->currentText(), tool.firstYear);
    QCOMPARE(input->findChild<QComboBox *>("cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(input->findChild<QComboBox *>("cboMonth")->currentText(), QStringLiteral("January"));
    // Neither tool runs the update reminder on load.
    QVERIFY(m_platform.settings.isEmpty());
}

void TstPlanetSign::readingShowsTheSignOfTheDate_data()
{
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("sign");
    QTest::newRow("Pluto, first day") << kPowerSign << "1"
                                      << "January"
                                      << "1900"
                                      << "Gemini";
    QTest::newRow("Pluto, last day of Gemini") << kPowerSign << "10"
                                               << "September"
                                               << "1912"
                                               << "Gemini";
    QTest::newRow("Pluto, first day of Cancer") << kPowerSign << "11"
                                                << "September"
                                                << "1912"
                                                << "Cancer";
    QTest::newRow("Pluto, 1985") << kPowerSign << "15"
                                 << "June"
                                 << "1985"
                                 << "Scorpio";
    QTest::newRow("Pluto, last day") << kPowerSign << "31"
                                     << "December"
                                     << "2022"
                                     << "Capricorn";
    QTest::newRow("Chiron, first day") << kHealingSign << "1"
                                       << "January"
                                       << "1930"
                                       << "Taurus";
    QTest::newRow("Chiron, into Pisces") << kHealingSign << "11"
                                         << "April"
                                         << "2010"
                                         << "Pisces";
    QTest::newRow("Chiron, last day") << kHealingSign << "31"
                                      << "December"
                                      << "2010"
                                      << "Aquarius";
}

void TstPlanetSign::readingShowsTheSignOfTheDate()
{
    QFETCH(Tool, tool);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, sign);
    QWidget *reading = read(tool, day, month, year);
    QVERIFY(reading);
    QVERIFY(!visibleWindow(tool.input));
    QVERIFY(!m_launcher->isPanelVisible());
    QCOMPARE(reading->findChild<QLabel *>(tool.signLabel)->text(), sign);
    QVERIFY(reading->findChild<QLabel *>("lblSignDesc")->text().size() >= 150);
}

void TstPlanetSign::backKeepsTheEntriesAndASecondReadingRefills_data()
{
    yearListsCoverTheTables_data();
}

void TstPlanetSign::backKeepsTheEntriesAndASecondReadingRefills()
{
    QFETCH(Tool, tool);
    QWidget *reading = read(tool, "15", "June", "1985");
    QVERIFY(reading);
    const QString firstSign = reading->findChild<QLabel *>(tool.signLabel)->text();
    const QString firstText = reading->findChild<QLabel *>("lblSignDesc")->text();

    reading->findChild<QAction *>("mnuFileBack")->trigger();
    settle();
    QWidget *input = visibleWindow(tool.input);
    QVERIFY(input);
    QVERIFY(!loadedWindow(tool.reading));
    QVERIFY(!m_launcher->isPanelVisible());
    QCOMPARE(input->findChild<QLineEdit *>("txtName")->text(), QStringLiteral("ANN"));
    QCOMPARE(input->findChild<QComboBox *>("cboYear")->currentText(), QStringLiteral("1985"));

    QVERIFY(pick(input->findChild<QComboBox *>("cboYear"), "1940"));
    QTest::mouseClick(input->findChild<QPushButton *>("cmdNext"), Qt::LeftButton);
    reading = visibleWindow(tool.reading);
    QVERIFY(reading);
    QVERIFY(reading->findChild<QLabel *>(tool.signLabel)->text() != firstSign);
    QVERIFY(reading->findChild<QLabel *>("lblSignDesc")->text() != firstText);

    QTest::mouseClick(reading->findChild<QPushButton *>("cmdExit"), Qt::LeftButton);
    settle();
    QVERIFY(m_launcher->isPanelVisible());
    QVERIFY(!visibleWindow(tool.input));
}

void TstPlanetSign::theTwoToolsKeepTheirResultsApart()
{
    QWidget *power = read(kPowerSign, "15", "June", "1985");
    QVERIFY(power);
    QCOMPARE(power->findChild<QLabel *>("lblPowerSign")->text(), QStringLiteral("Scorpio"));
    QWidget *healing = read(kHealingSign, "1", "January", "1930");
    QVERIFY(healing);
    QCOMPARE(m_launcher->toolContext().state.powerSign, QStringLiteral("Scorpio"));
    QCOMPARE(m_launcher->toolContext().state.healingSign, QStringLiteral("Taurus"));
}

void TstPlanetSign::healingDateCaptionOpensTheFullBrandingOffer()
{
    QWidget *input = open(kHealingSign);
    QTest::mouseClick(input->findChild<QLabel *>("Label2"), Qt::LeftButton);
    QCOMPARE(m_platform.openedUrls,
             QList<QUrl>{QUrl("https://help.quillory.example/fully-branded.html")});

    // The power sign window's caption is only a caption.
    m_platform.openedUrls.clear();
    input = open(kPowerSign);
    QTest::mouseClick(input->findChild<QLabel *>("Label2"), Qt::LeftButton);
    QVERIFY(m_platform.openedUrls.isEmpty());
}

void TstPlanetSign::windowsCarryTheirCaptionsAndMenus()
{
    QWidget *input = open(kPowerSign);
    QCOMPARE(input->windowTitle(), QStringLiteral("QJ Zodiac Power Sign"));
    QCOMPARE(input->findChild<QPushButton *>("cmdNext")->text(),
             QStringLiteral("Find My Zodiac &Power Sign"));
    QCOMPARE(input->findChild<QAction *>("mnuFindPowerSign")->text(),
             QStringLiteral("Find My Zodiac &Power Sign"));
    QCOMPARE(input->findChild<QAction *>("mnuUpdate")->text(),
             QStringLiteral("Check for Software &Update"));
    QVERIFY(!input->findChild<QAction *>("mnuMakeMoneyOnline")->isEnabled());
    QVERIFY(input->findChild<QLabel *>("Label3")->text().startsWith(
        "QJ Zodiac Power Sign describes your characteristics"));

    QWidget *reading = read(kPowerSign, "1", "January", "1900");
    QCOMPARE(reading->findChild<QLabel *>("Label12")->text(),
             QStringLiteral("Pluto in your Chart is Placed in"));
    QCOMPARE(reading->findChild<QLabel *>("Label13")->text(),
             QStringLiteral("Pluto is known as the Planet of Power"));
    QCOMPARE(reading->findChild<QAction *>("mnuUpdate")->text(),
             QStringLiteral("&Check for Software Update"));
    QVERIFY(reading->findChild<QAction *>("mnuFileSep1"));

    input = open(kHealingSign);
    QCOMPARE(input->windowTitle(), QStringLiteral("QJ Zodiac Healing Sign"));
    QVERIFY(input->findChild<QAction *>("mnuFindHealingSign"));
    reading = read(kHealingSign, "1", "January", "1930");
    QCOMPARE(reading->findChild<QLabel *>("Label5")->text(),
             QStringLiteral("Your Chiron is Placed in"));
    QCOMPARE(reading->findChild<QLabel *>("Label4")->text(),
             QStringLiteral("Chiron is known as the Healing Planet"));
    reading->close();
    settle();
    QVERIFY(m_launcher->isPanelVisible());
}

QTEST_MAIN(TstPlanetSign)
#include "tst_planetsign.moc"
