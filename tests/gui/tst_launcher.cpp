#include "app/launcherwindow.h"
#include "support/fakeplatform.h"
#include "support/guitest.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <memory>

using namespace orbelle;
using namespace orbelle::test;

class TstLauncher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheOfferedToolsOnly_data();
    void showsTheOfferedToolsOnly();
    void optionLabelsReadInDesignOrderAndAreCentred();
    void hoverUnderlinesUntilTheBarePanel();
    void selectingAToolOpensItsInputWindowAlone();
    void selectingTheOpenToolStartsItFresh();
    void welcomeTextClosesHiddenToolWindows();
    void hiddenEntryOpensPowerSign();
    void helpMenuAndLinks();
    void aboutWindowIsModalAndCloses();
    void exitClosesEverything();

private:
    QLabel *caption(int index) const
    {
        return m_launcher->findChild<QLabel *>(QStringLiteral("lblCaption_%1").arg(index));
    }
    QPushButton *optionButton(int index) const
    {
        return m_launcher->findChild<QPushButton *>(
            QStringLiteral("cmdSelectOption_%1").arg(index));
    }
    QWidget *panel() const { return m_launcher->findChild<QWidget *>(QStringLiteral("picMain")); }

    FakePlatform m_platform;
    std::unique_ptr<LauncherWindow> m_launcher;
};

void TstLauncher::init()
{
    m_launcher = std::make_unique<LauncherWindow>(m_platform);
    m_launcher->resize(1000, 700);
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher.get()));
}

void TstLauncher::cleanup()
{
    m_launcher.reset();
    settle();
    QCOMPARE(leftoverWindows(), QStringList());
    m_platform.verify();
}

void TstLauncher::showsTheOfferedToolsOnly_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("offered");
    QTest::newRow("financial") << 0 << "Financial Astrology" << false;
    QTest::newRow("flower") << 1 << "Flower Astrology" << false;
    QTest::newRow("food") << 2 << "Food Astrology" << true;
    QTest::newRow("fruit") << 3 << "Fruit Astrology" << true;
    QTest::newRow("health") << 4 << "Health Astrology" << true;
    QTest::newRow("power sign") << 5 << "Zodiac Power Sign" << false;
    QTest::newRow("healing sign") << 6 << "Zodiac Healing Sign" << true;
    QTest::newRow("yoga") << 7 << "Zodiac Yoga" << true;
}

void TstLauncher::showsTheOfferedToolsOnly()
{
    QFETCH(int, tool);
    QFETCH(QString, caption);
    QFETCH(bool, offered);
    QCOMPARE(m_launcher->windowTitle(), QStringLiteral("QJ Orbelle Redadi Vavidader Evove v1.15"));
    QPushButton *button = optionButton(tool);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->isVisible(), offered);
    QLabel *label = this->caption(tool + 3);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->isVisible(), offered);
}

void TstLauncher::optionLabelsReadInDesignOrderAndAreCentred()
{
    QList<QLabel *> visible;
    for (int i = 3; i <= 10; ++i) {
        if (caption(i)->isVisible())
            visible << caption(i);
    }
    std::sort(visible.begin(), visible.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
    QStringList order;
    for (QLabel *label : visible)
        order << label->text();
    QCOMPARE(order, (QStringList{"Health Astrology", "Food Astrology", "Zodiac Yoga",
                                 "Fruit Astrology", "Zodiac Healing Sign"}));

    const int middle = panel()->width() / 2;
    for (int i = 0; i <= 10; ++i)
        QVERIFY2(qAbs(caption(i)->geometry().center().x() - middle) <= 1,
                 qPrintable(caption(i)->objectName()));
    QCOMPARE(caption(0)->palette().color(QPalette::WindowText), QColor(0x00, 0xFF, 0xFF));
    QCOMPARE(caption(1)->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(caption(10)->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0x00));
    QVERIFY(caption(7)->font().bold());
}

void TstLauncher::hoverUnderlinesUntilTheBarePanel()
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(caption(7), &enter);
    QVERIFY(caption(7)->font().underline());
    QApplication::sendEvent(caption(10), &enter);
    QVERIFY(caption(7)->font().underline());
    QVERIFY(caption(10)->font().underline());
    QApplication::sendEvent(caption(0), &enter);
    QVERIFY(!caption(0)->font().underline());

    QTest::mouseMove(panel(), QPoint(5, panel()->height() - 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, panel()->height() - 5),
                     panel()->mapToGlobal(QPointF(5, panel()->height() - 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(panel(), &move);
    for (int i = 0; i <= 10; ++i)
        QVERIFY(!caption(i)->font().underline());
}

void TstLauncher::selectingAToolOpensItsInputWindowAlone()
{
    QTest::mouseClick(optionButton(4), Qt::LeftButton);
    QWidget *input = visibleWindow(QStringLiteral("frmHealthAstrologyMain"));
    QVERIFY(input);
    QCOMPARE(input->windowTitle(), QStringLiteral("QJ Health Astrology"));
    QVERIFY(!panel()->isVisible());
    QCOMPARE(input->y(), input->screen()->availableGeometry().y());
    // First start of Health records the reminder date without asking.
    QVERIFY(!m_platform.settings.isEmpty());

    // The option label picks the same way, and a tool replaces the one open.
    QTest::mouseClick(caption(9), Qt::LeftButton);
    settle();
    QVERIFY(!loadedWindow(QStringLiteral("frmHealthAstrologyMain")));
    QVERIFY(visibleWindow(QStringLiteral("frmZodiacHealingSignMain")));
    QVERIFY(!panel()->isVisible());

    // Closing the input window brings the option panel back.
    visibleWindow(QStringLiteral("frmZodiacHealingSignMain"))->close();
    QVERIFY(panel()->isVisible());
}

void TstLauncher::selectingTheOpenToolStartsItFresh()
{
    QTest::mouseClick(optionButton(6), Qt::LeftButton);
    QWidget *first = visibleWindow(QStringLiteral("frmZodiacHealingSignMain"));
    QVERIFY(first);
    QTest::keyClicks(first->findChild<QLineEdit *>(QStringLiteral("txtName")), "ann");
    QPointer<QWidget> old = first;

    QTest::mouseClick(optionButton(6), Qt::LeftButton);
    settle();
    QVERIFY(old.isNull());
    QWidget *fresh = visibleWindow(QStringLiteral("frmZodiacHealingSignMain"));
    QVERIFY(fresh);
    QCOMPARE(fresh->findChild<QLineEdit *>(QStringLiteral("txtName"))->text(), QString());
    QCOMPARE(fresh->findChild<QComboBox *>(QStringLiteral("cboYear"))->currentText(),
             QStringLiteral("1930"));
}

void TstLauncher::welcomeTextClosesHiddenToolWindows()
{
    QTest::mouseClick(optionButton(6), Qt::LeftButton);
    QWidget *input = visibleWindow(QStringLiteral("frmZodiacHealingSignMain"));
    QVERIFY(enterBirth(input, "ann", "1", "January", "1930"));
    QTest::mouseClick(input->findChild<QPushButton *>(QStringLiteral("cmdNext")), Qt::LeftButton);
    QWidget *reading = visibleWindow(QStringLiteral("frmZodiacHealingSignDisplay"));
    QVERIFY(reading);
    reading->close();
    settle();
    QVERIFY(panel()->isVisible());
    QVERIFY(loadedWindow(QStringLiteral("frmZodiacHealingSignMain"))); // hidden, still loaded

    QTest::mouseClick(caption(0), Qt::LeftButton);
    settle();
    QVERIFY(!loadedWindow(QStringLiteral("frmZodiacHealingSignMain")));
    QVERIFY(panel()->isVisible());
}

void TstLauncher::hiddenEntryOpensPowerSign()
{
    optionButton(5)->click();
    QVERIFY(visibleWindow(QStringLiteral("frmZodiacPowerSignMain")));
    QVERIFY(!panel()->isVisible());
}

void TstLauncher::helpMenuAndLinks()
{
    QMenu *help = m_launcher->findChild<QMenu *>(QStringLiteral("mnuHelp"));
    QVERIFY(help);
    QStringList entries;
    for (QAction *action : help->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(entries, (QStringList{"&Online Help", "&Visit Us Online", "-",
                                   "Check for Software &Update", "-", "&About Software"}));

    auto *makeMoney = m_launcher->findChild<QAction *>(QStringLiteral("mkmoney"));
    QVERIFY(makeMoney);
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!makeMoney->isEnabled());
    makeMoney->trigger(); // switched off: nothing opens
    QVERIFY(m_platform.openedUrls.isEmpty());

    m_launcher->findChild<QAction *>(QStringLiteral("mnuOnline"))->trigger();
    m_launcher->findChild<QAction *>(QStringLiteral("mnuUpdate"))->trigger();
    QTest::mouseClick(m_launcher->findChild<QLabel *>(QStringLiteral("lblQuilloryBanner")),
                      Qt::LeftButton);
    QTest::mouseClick(m_launcher->findChild<QLabel *>(QStringLiteral("Label7")), Qt::LeftButton);
    QCOMPARE(m_platform.openedUrls,
             (QList<QUrl>{
                 QUrl("https://www.quillory.example/qj-free-orbelle-health-astrology-suite/"
                      "qj-free-orbelle-health-astrology-suite-help.html"),
                 QUrl("https://www.quillory.example/qj-free-orbelle-health-astrology-suite/"
                      "download-qj-free-orbelle-health-astrology-suite.html"),
                 QUrl("https://www.quillory.example/"),
                 QUrl("https://help.quillory.example/fully-branded.html"),
             }));
}

void TstLauncher::aboutWindowIsModalAndCloses()
{
    m_launcher->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    QWidget *about = visibleWindow(QStringLiteral("frmAbout"));
    QVERIFY(about);
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QCOMPARE(about->windowTitle(), QStringLiteral("QJ Orbelle Redadi Vavidader Evove v1.15"));
    QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("lblCoBrand")), Qt::LeftButton);
    QCOMPARE(m_platform.openedUrls,
             QList<QUrl>{QUrl("https://help.quillory.example/fully-branded.html")});
    QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    settle();
    QVERIFY(!loadedWindow(QStringLiteral("frmAbout")));
}

void TstLauncher::exitClosesEverything()
{
    QTest::mouseClick(optionButton(4), Qt::LeftButton);
    QVERIFY(visibleWindow(QStringLiteral("frmHealthAstrologyMain")));
    QTest::mouseClick(m_launcher->findChild<QPushButton *>(QStringLiteral("cmdMdiExit")),
                      Qt::LeftButton);
    settle();
    QVERIFY(!m_launcher->isVisible());
    QVERIFY(!loadedWindow(QStringLiteral("frmHealthAstrologyMain")));
}

QTEST_MAIN(TstLauncher)
#include "tst_launcher.moc"
