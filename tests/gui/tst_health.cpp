#include "app/launcherwindow.h"
#include "core/savedreadingfile.h"
#include "core/scramble.h"
#include "support/fakeplatform.h"
#include "support/files.h"
#include "support/guitest.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <memory>

using namespace orbelle;
using namespace orbelle::test;

namespace {

const QString kInput = QStringLiteral("frmHealthAstrologyMain");
const QString kReading = QStringLiteral("frmHealthAstrologyDisplay");
const QString kReport = QStringLiteral("frmHealthAstrologySave");

RecordedMessage info(const QString &text)
{
    return {QStringLiteral("message"), MessageIcon::Information, text};
}

RecordedMessage critical(const QString &text)
{
    return {QStringLiteral("message"), MessageIcon::Critical, text};
}

QByteArray johnFile()
{
    return encodeSavedReading({QStringLiteral("JOHN"), 1975, QStringLiteral("May"), 10},
                              SavedLayout::NameDayMonthYear);
}

int pageCount(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n")) + int(pdf.count("/Type /Page\r")) +
           int(pdf.count("/Type /Page ")) + int(pdf.count("/Type /Page/"));
}

} // namespace

class TstHealth : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nameBoxTakesCapitalsAndRefusesOtherKeys();
    void checksReportInOrder_data();
    void checksReportInOrder();
    void wholeRoad();
    void reportLinksOpenOnlyWebAddresses();
    void selectionPrintsOnlyTheSelection();
    void failedSaveSaysSoAndKeepsTheOldFile();
    void openRefusesWhatIsNotASavedReading_data();
    void openRefusesWhatIsNotASavedReading();
    void openedDateStillPassesTheChecks();
    void exitShowsThePanelAndTheNextChoiceStartsFresh();
    void choosingAToolClosesTheReportWithTheRest();

private:
    QWidget *openHealth();
    QWidget *makeJohnsReading();
    QWidget *openReport();
    template <class T> T *in(const QString &form, const char *name)
    {
        QWidget *window = loadedWindow(form);
        return window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    void click(const QString &form, const char *button)
    {
        auto *b = in<QPushButton>(form, button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    FakePlatform m_platform;
    std::unique_ptr<LauncherWindow> m_launcher;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstHealth::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // The reminder asked a day ago, so it stays quiet.
    m_platform.settings.insert(QStringLiteral("Settings/") + ScrambleText("Duration"),
                               ScrambleText("2026-12-09"));
    m_launcher = std::make_unique<LauncherWindow>(m_platform);
    m_launcher->resize(1000, 700);
    m_launcher->show();
}

void TstHealth::cleanup()
{
    m_launcher.reset();
    settle();
    QCOMPARE(leftoverWindows(), QStringList());
    m_platform.verify();
    m_dir.reset();
}

QWidget *TstHealth::openHealth()
{
    QTest::mouseClick(m_launcher->findChild<QPushButton *>("cmdSelectOption_4"), Qt::LeftButton);
    settle();
    return visibleWindow(kInput);
}

QWidget *TstHealth::makeJohnsReading()
{
    QWidget *input = openHealth();
    if (!input || !enterBirth(input, "john", "10", "May", "1975"))
        return nullptr;
    QTest::mouseClick(input->findChild<QPushButton *>("cmdNext"), Qt::LeftButton);
    return visibleWindow(kReading);
}

QWidget *TstHealth::openReport()
{
    QTest::mouseClick(in<QPushButton>(kReading, "cmdPrint"), Qt::LeftButton);
    return visibleWindow(kReport);
}

void TstHealth::nameBoxTakesCapitalsAndRefusesOtherKeys()
{
    QWidget *input = openHealth();
    QVERIFY(input);
    auto *name = input->findChild<QLineEdit *>("txtName");
    QTest::keyClicks(name, "jo3hn");
    QCOMPARE(name->text(), QStringLiteral("JOHN"));
    QCOMPARE(m_platform.takeMessage(), info("Please Enter only Letters"));

    // Keys that move the caret or the focus, or edit, are not characters.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Delete, Qt::Key_Backspace,
                        Qt::Key_Right})
        QTest::keyClick(name, key);
    QTest::keyClick(name, 'a', Qt::ControlModifier); // a shortcut, not a letter
    QCOMPARE(name->text(), QStringLiteral("JOH"));
    QCOMPARE(name->selectedText(), QStringLiteral("JOH"));
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, " -");
    QCOMPARE(name->text(), QStringLiteral("JOH "));
    QCOMPARE(m_platform.takeMessage(), info("Please Enter only Letters"));
}

void TstHealth::checksReportInOrder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("nameFocused");
    QTest::newRow("no name") << ""
                             << "31"
                             << "April"
                             << "1975"
                             << "Please Enter Your Name" << true;
    QTest::newRow("31 April") << "ann"
                              << "31"
                              << "April"
                              << "1975"
                              << "Please Enter Correct Date Or Month !" << false;
    QTest::newRow("29 February 1900") << "ann"
                                      << "29"
                                      << "February"
                                      << "1900"
                                      << "Please Enter Correct Date Or Month!" << false;
    QTest::newRow("30 February 2000") << "ann"
                                      << "30"
                                      << "February"
                                      << "2000"
                                      << "Please Enter Correct Date Or Month!" << false;
}

void TstHealth::checksReportInOrder()
{
    QFETCH(QString, typed);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(bool, nameFocused);
    QWidget *input = openHealth();
    QVERIFY(enterBirth(input, typed, day, month, year));
    auto *name = input->findChild<QLineEdit *>("txtName");
    input->findChild<QComboBox *>("cboYear")->setFocus();
    QTest::mouseClick(input->findChild<QPushButton *>("cmdNext"), Qt::LeftButton);
    QCOMPARE(m_platform.takeMessage(), info(message));
    QCOMPARE(name->hasFocus(), nameFocused);
    QVERIFY(input->isVisible());
    QVERIFY(!loadedWindow(kReading));
}

void TstHealth::wholeRoad()
{
    QWidget *reading = makeJohnsReading();
    QVERIFY(reading);
    QVERIFY(!visibleWindow(kInput));
    QVERIFY(!m_launcher->isPanelVisible());
    QCOMPARE(reading->windowTitle(), QStringLiteral("QJ Health Astrology"));

    auto *tabs = reading->findChild<QTabWidget *>("ssTab");
    QCOMPARE(tabs->tabText(0), QStringLiteral("Sun Sign and Diet"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Sun Sign and Fitness"));
    QCOMPARE(in<QLabel>(kReading, "lblSunSignYourSunSign")->text(), QStringLiteral("Taurus"));
    QCOMPARE(in<QLabel>(kReading, "lblBodyPartBySunSign")->text(), QStringLiteral("Throat, Neck"));
    for (const char *element :
         {"lblConstitutionType", "lblConstitutionTypeExcess", "lblConstitutionTypeLow"})
        QCOMPARE(in<QLabel>(kReading, element)->text(), QStringLiteral("Earth"));
    QCOMPARE(in<QLabel>(kReading, "lblExcessRemedy")->text(),
             QStringLiteral("Bitter tonics such as gentian or Swedish bitters, hot spices such "
                            "as ginger, black pepper and cayenne."));
    QCOMPARE(in<QLabel>(kReading, "lblLowItemToAvoid")->text(), QStringLiteral("Fruits."));
    QCOMPARE(in<QLabel>(kReading, "lblAthletic")->text(), QStringLiteral("Low Athletic Ability"));
    QCOMPARE(in<QLabel>(kReading, "lblvariety")->text(), QStringLiteral("No Belief in Variety"));
    for (const char *box :
         {"txtHealthProblems", "txtRequiredDiet", "txtDiettoAvoid", "txtDietAdvice",
          "txtConstitutionTypeExcessDesc", "txtConstitutionTypeLowDesc", "txtSunSignDesc"}) {
        auto *edit = in<QPlainTextEdit>(kReading, box);
        QVERIFY2(edit && !edit->toPlainText().isEmpty(), box);
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    // Print opens the report, modal over the reading.
    QWidget *report = openReport();
    QVERIFY(report);
    QCOMPARE(report->windowModality(), Qt::ApplicationModal);
    auto *rtb = report->findChild<QTextBrowser *>("RTB");
    QVERIFY(rtb->toPlainText().startsWith(
        "Report Generated By https://www.quillory.example\n\nName :- JOHN\n\n"
        "Date Of Birth :- May/10/1975\n\nYour Sun Sign :- Taurus"));
    int printed = 0;
    m_platform.printer = [&](const PrintJob &job) {
        ++printed;
        return job.whole == rtb->document() && !job.selection;
    };
    click(kReport, "cmdPrint");
    QCOMPARE(printed, 1);

    // Save writes the four scrambled lines.
    const QString saved = m_dir->filePath("john.hel");
    m_platform.saveAnswers.enqueue(saved);
    click(kReport, "cmdSave");
    QCOMPARE(m_platform.dialogs.size(), 1);
    QCOMPARE(m_platform.dialogs[0].options.title, QStringLiteral("QJ Free Health Astrology"));
    QCOMPARE(m_platform.dialogs[0].options.filter,
             QStringLiteral("QJ Free Health Astrology (*.hel)"));
    QCOMPARE(m_platform.dialogs[0].options.defaultSuffix, QStringLiteral("hel"));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), johnFile());

    // Closing the report returns to the reading; Back to the entries as they were.
    report->close();
    settle();
    QVERIFY(visibleWindow(kReading));
    click(kReading, "cmdBack");
    settle();
    QVERIFY(!loadedWindow(kReading));
    QWidget *input = visibleWindow(kInput);
    QVERIFY(input);
    QVERIFY(!m_launcher->isPanelVisible());
    QCOMPARE(input->findChild<QLineEdit *>("txtName")->text(), QStringLiteral("JOHN"));
    QCOMPARE(input->findChild<QComboBox *>("cboMonth")->currentText(), QStringLiteral("May"));

    // Open the saved file over other entries: the same reading again.
    QVERIFY(enterBirth(input, "ann", "1", "January", "2000"));
    m_platform.openAnswers.enqueue(saved);
    input->findChild<QAction *>("mnuOpen")->trigger();
    QCOMPARE(m_platform.dialogs.last().options.title, QStringLiteral("Select the source file"));
    QCOMPARE(m_platform.dialogs.last().options.filter,
             QStringLiteral("QJ Free Health Astrology (*.hel)"));
    QVERIFY(visibleWindow(kReading));
    QVERIFY(!input->isVisible());
    QCOMPARE(in<QLabel>(kReading, "lblSunSignYourSunSign")->text(), QStringLiteral("Taurus"));
    QCOMPARE(input->findChild<QLineEdit *>("txtName")->text(), QStringLiteral("JOHN"));
    QCOMPARE(input->findChild<QComboBox *>("cboDate")->currentText(), QStringLiteral("10"));
    QCOMPARE(input->findChild<QComboBox *>("cboYear")->currentText(), QStringLiteral("1975"));
}

void TstHealth::reportLinksOpenOnlyWebAddresses()
{
    QVERIFY(makeJohnsReading());
    QWidget *report = openReport();
    auto *rtb = report->findChild<QTextBrowser *>("RTB");
    QVERIFY(QTest::qWaitForWindowExposed(report));

    const auto clickAt = [rtb](int position) {
        QTextCursor cursor(rtb->document());
        cursor.setPosition(position);
        const QPoint at = rtb->cursorRect(cursor).center() + QPoint(2, 0);
        QTest::mouseClick(rtb->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    };
    const QString text = rtb->toPlainText();
    clickAt(int(text.indexOf(QLatin1String("Name :- ")) + 2));
    QVERIFY(m_platform.openedUrls.isEmpty());
    clickAt(int(text.indexOf(QLatin1String("quillory"))));
    QCOMPARE(m_platform.openedUrls, QList<QUrl>{QUrl("https://www.quillory.example")});

    // Whatever a link claims, only web addresses are handed on.
    m_platform.openedUrls.clear();
    emit rtb->anchorClicked(QUrl("file:///etc/passwd"));
    emit rtb->anchorClicked(QUrl("javascript:alert(1)"));
    QVERIFY(m_platform.openedUrls.isEmpty());
}

void TstHealth::selectionPrintsOnlyTheSelection()
{
    QVERIFY(makeJohnsReading());
    QWidget *report = openReport();
    auto *rtb = report->findChild<QTextBrowser *>("RTB");

    QByteArray wholePdf, selectionPdf;
    QString selectionText;
    m_platform.printer = [&](const PrintJob &job) {
        // What a printer dialog set to "Selection" would print, to a PDF file.
        const QTextDocument *chosen = job.selection ? job.selection : job.whole;
        const QString path = m_dir->filePath(job.selection ? "selection.pdf" : "whole.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        chosen->print(&printer);
        QFile pdf(path);
        pdf.open(QIODevice::ReadOnly);
        (job.selection ? selectionPdf : wholePdf) = pdf.readAll();
        if (job.selection)
            selectionText = job.selection->toPlainText();
        return true;
    };
    click(kReport, "cmdPrint");

    const QString text = rtb->toPlainText();
    QTextCursor cursor(rtb->document());
    cursor.setPosition(int(text.indexOf(QLatin1String("Name :- "))));
    cursor.setPosition(int(text.indexOf(QLatin1String("\n\nDate Of"))), QTextCursor::KeepAnchor);
    rtb->setTextCursor(cursor);
    click(kReport, "cmdPrint");

    QCOMPARE(selectionText, QStringLiteral("Name :- JOHN"));
    QVERIFY(wholePdf.startsWith("%PDF") && selectionPdf.startsWith("%PDF"));
    QVERIFY2(pageCount(wholePdf) > pageCount(selectionPdf) ||
                 selectionPdf.size() * 2 < wholePdf.size(),
             "the selection printed as much as the whole report");
}

void TstHealth::failedSaveSaysSoAndKeepsTheOldFile()
{
    QVERIFY(makeJohnsReading());
    openReport();
    // A directory where the file should go: nothing can be written there.
    const QString blocked = m_dir->filePath("taken.hel");
    QVERIFY(QDir().mkdir(blocked));
    m_platform.saveAnswers.enqueue(blocked);
    click(kReport, "cmdSave");
    const RecordedMessage message = m_platform.takeMessage();
    QCOMPARE(message.icon, MessageIcon::Critical);
    QVERIFY2(message.text.startsWith(QLatin1String("The reading was not saved.")),
             qPrintable(message.text));
    QVERIFY(QFileInfo(blocked).isDir());

    // A cancelled dialog writes nothing and says nothing.
    m_platform.saveAnswers.enqueue(QString());
    click(kReport, "cmdSave");
    QCOMPARE(m_platform.messages.size(), 0);
}

void TstHealth::openRefusesWhatIsNotASavedReading_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes"); // empty with a name ending in "/": a directory
    const QByteArray good = johnFile();
    const QList<QByteArray> lines = good.split('\n');
    QTest::newRow("upper-case extension") << "READING.HEL" << good;
    QTest::newRow("two lines") << "short.hel" << (lines[0] + "\n" + lines[1] + "\n");
    QTest::newRow("garbage") << "garbage.hel" << QByteArray("\x01\x02\x03\r\nzzzz\r\n!!\r\n??\r\n");
    QTest::newRow("plain text, not scrambled")
        << "plain.hel" << QByteArray("JOHN\r\n10\r\nMay\r\n1975\r\n");
    QTest::newRow("huge") << "huge.hel" << QByteArray(1 << 20, 'X');
    QTest::newRow("directory") << "folder.hel/" << QByteArray();
}

void TstHealth::openRefusesWhatIsNotASavedReading()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QString path = m_dir->filePath(fileName);
    if (fileName.endsWith(QLatin1Char('/'))) {
        path.chop(1);
        QVERIFY(QDir().mkdir(path));
    } else {
        QVERIFY(writeBytes(path, bytes));
    }
    QWidget *input = openHealth();
    QVERIFY(enterBirth(input, "ann", "2", "March", "1990"));
    m_platform.openAnswers.enqueue(path);
    QTest::mouseClick(input->findChild<QPushButton *>("cmdOpen"), Qt::LeftButton);

    QCOMPARE(m_platform.takeMessage(), critical("Please Check The File."));
    QVERIFY(input->isVisible());
    QVERIFY(!loadedWindow(kReading));
    QCOMPARE(input->findChild<QLineEdit *>("txtName")->text(), QStringLiteral("ANN"));
    QCOMPARE(input->findChild<QComboBox *>("cboDate")->currentText(), QStringLiteral("2"));
    QCOMPARE(input->findChild<QComboBox *>("cboYear")->currentText(), QStringLiteral("1990"));
}

void TstHealth::openedDateStillPassesTheChecks()
{
    const QString path = m_dir->filePath("april.hel");
    QVERIFY(writeBytes(
        path, encodeSavedReading({"ANN", 1980, "April", 31}, SavedLayout::NameDayMonthYear)));
    QWidget *input = openHealth();
    m_platform.openAnswers.enqueue(path);
    QTest::mouseClick(input->findChild<QPushButton *>("cmdOpen"), Qt::LeftButton);
    QCOMPARE(m_platform.takeMessage(), info("Please Enter Correct Date Or Month !"));
    QCOMPARE(input->findChild<QComboBox *>("cboMonth")->currentText(), QStringLiteral("April"));
    QCOMPARE(input->findChild<QComboBox *>("cboDate")->currentText(), QStringLiteral("31"));
    QVERIFY(!loadedWindow(kReading));
}

void TstHealth::exitShowsThePanelAndTheNextChoiceStartsFresh()
{
    QWidget *reading = makeJohnsReading();
    QVERIFY(reading);
    reading->findChild<QAction *>("mnuExit")->trigger();
    settle();
    QVERIFY(m_launcher->isPanelVisible());
    QVERIFY(!visibleWindow(kInput));
    QVERIFY(loadedWindow(kInput));

    QWidget *input = openHealth();
    QVERIFY(input);
    QCOMPARE(input->findChild<QLineEdit *>("txtName")->text(), QString());
    QCOMPARE(input->findChild<QComboBox *>("cboMonth")->currentText(), QStringLiteral("January"));
    QTest::mouseClick(input->findChild<QPushButton *>("cmdExit"), Qt::LeftButton);
    settle();
    QVERIFY(m_launcher->isPanelVisible());
    QVERIFY(!loadedWindow(kInput));
}

void TstHealth::choosingAToolClosesTheReportWithTheRest()
{
    QVERIFY(makeJohnsReading());
    QVERIFY(openReport());
    // The report is modal, so only the program itself can choose now.
    m_launcher->findChild<QPushButton *>("cmdSelectOption_4")->click();
    settle();
    QVERIFY(!loadedWindow(kReport));
    QVERIFY(!loadedWindow(kReading));
    QWidget *input = visibleWindow(kInput);
    QVERIFY(input);
    QCOMPARE(input->findChild<QLineEdit *>("txtName")->text(), QString());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(TstHealth)
#include "tst_health.moc"
