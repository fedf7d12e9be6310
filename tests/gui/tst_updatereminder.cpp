#include "core/scramble.h"
#include "shell/qtplatform.h"
#include "shell/updatereminder.h"
#include "support/fakeplatform.h"

#include <QStandardPaths>
#include <QTest>

using namespace orbelle;
using namespace orbelle::test;

namespace {

const QString kKey = QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration"));
const QString kQuestion = QStringLiteral("There maybe an update to this software available\r"
                                         "Do you want to check for an update?");
const QUrl kDownload(QStringLiteral("https://www.quillory.example/"
                                    "qj-free-orbelle-health-astrology-suite/"
                                    "download-qj-free-orbelle-health-astrology-suite.html"));

QString storedDate(const FakePlatform &platform)
{
    return UnscrambleText(platform.settings.value(kKey).toString());
}

} // namespace

class TstUpdateReminder : public QObject
{
    Q_OBJECT

private slots:
    void firstRunOnlyRecordsToday();
    void asksOnlyOutsideAFortnight_data();
    void asksOnlyOutsideAFortnight();
    void unreadableDateDoesNothing();
    void disguisedValueSurvivesTheSettingsStore();
};

void TstUpdateReminder::firstRunOnlyRecordsToday()
{
    FakePlatform platform;
    runUpdateReminder(platform, nullptr);
    QCOMPARE(storedDate(platform), QStringLiteral("2026-12-10"));
    // Both the value name and the value are disguised.
    QVERIFY(!platform.settings.value(kKey).toString().contains(QLatin1String("2026")));
    platform.verify();
}

void TstUpdateReminder::asksOnlyOutsideAFortnight_data()
{
    QTest::addColumn<int>("storedDaysFromToday");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("answer");
    QTest::newRow("today") << 0 << false << false;
    QTest::newRow("14 days ago") << -14 << false << false;
    QTest::newRow("14 days ahead") << 14 << false << false;
    QTest::newRow("15 days ago, No") << -15 << true << false;
    QTest::newRow("15 days ago, Yes") << -15 << true << true;
    QTest::newRow("15 days ahead (clock set back), Yes") << 15 << true << true;
    QTest::newRow("a year ago, No") << -365 << true << false;
}

void TstUpdateReminder::asksOnlyOutsideAFortnight()
{
    QFETCH(int, storedDaysFromToday);
    QFETCH(bool, asks);
    QFETCH(bool, answer);
    FakePlatform platform;
    const QString stored = platform.todayDate.addDays(storedDaysFromToday).toString(Qt::ISODate);
    platform.settings.insert(kKey, ScrambleText(stored));
    if (asks)
        platform.yesNoAnswers.enqueue(answer);

    runUpdateReminder(platform, nullptr);

    if (asks) {
        QCOMPARE(platform.takeMessage(), (RecordedMessage{QStringLiteral("question"),
                                                          MessageIcon::Information, kQuestion}));
        QCOMPARE(storedDate(platform), QStringLiteral("2026-12-10"));
        QCOMPARE(platform.openedUrls, answer ? QList<QUrl>{kDownload} : QList<QUrl>{});
    } else {
        QCOMPARE(storedDate(platform), stored);
        QVERIFY(platform.openedUrls.isEmpty());
    }
    platform.verify();
}

void TstUpdateReminder::unreadableDateDoesNothing()
{
    FakePlatform platform;
    // A short date of some locale, or garbage: neither reads as a date.
    for (const QString &value : {QStringLiteral("12/10/26"), QStringLiteral("soon")}) {
        platform.settings.insert(kKey, ScrambleText(value));
        runUpdateReminder(platform, nullptr);
        QCOMPARE(storedDate(platform), value);
    }
    platform.verify();
}

void TstUpdateReminder::disguisedValueSurvivesTheSettingsStore()
{
    // The value name and value are shifted past ASCII; the real store must
    // give back exactly what it was given.
    QStandardPaths::setTestModeEnabled(true);
    const QString name = ScrambleText(QStringLiteral("Duration"));
    const QString value = ScrambleText(QStringLiteral("2026-11-25"));
    {
        QtPlatform platform;
        platform.setSetting(QStringLiteral("Settings"), name, value);
    }
    QtPlatform platform;
    QCOMPARE(platform.setting(QStringLiteral("Settings"), name).toString(), value);
    QCOMPARE(UnscrambleText(value), QStringLiteral("2026-11-25"));
}

QTEST_GUILESS_MAIN(TstUpdateReminder)
#include "tst_updatereminder.moc"
