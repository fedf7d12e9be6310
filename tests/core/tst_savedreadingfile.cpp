#include "core/savedreadingfile.h"
#include "core/scramble.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/types.h>
#endif

using namespace orbelle;

Q_DECLARE_METATYPE(orbelle::SavedLayout)
Q_DECLARE_METATYPE(orbelle::ToolId)

using orbelle::test::readAll;
using orbelle::test::writeBytes;

namespace {

// The scrambled form of an ASCII field, worked out here by hand rather than through
// the scrambler, so a fault in it cannot cancel out.
QByteArray shiftedLine(const char *field)
{
    QByteArray line;
    for (const char *p = field; *p; ++p)
        line.append(char(static_cast<unsigned char>(*p) + kScrambleShift));
    return line + "\r\n";
}

const BirthData kJohn{QStringLiteral("JOHN"), 1975, QStringLiteral("May"), 10};

} // namespace

class TstSavedReadingFile : public QObject
{
    Q_OBJECT

private slots:
    void encodeSavedReading_data();
    void encodeSavedReading();
    void writeThenRead_data();
    void writeThenRead();
    void overwriteReplacesOldReading();
    void writeIntoMissingDirectoryFails();
    void writeIntoReadOnlyDirectoryKeepsOldFile();
    void readRefusesWhatIsNotAFile_data();
    void readRefusesWhatIsNotAFile();
    void readByteBound_data();
    void readByteBound();
    void readKeepsAtMostFiveLines();
    void interpretAccepts_data();
    void interpretAccepts();
    void interpretRefuses_data();
    void interpretRefuses();
    void hasExtension_data();
    void hasExtension();
    void formatForPath_data();
    void formatForPath();
    void dialogFilter_data();
    void dialogFilter();
};

void TstSavedReadingFile::encodeSavedReading_data()
{
    QTest::addColumn<SavedLayout>("layout");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("name day month year")
        << SavedLayout::NameDayMonthYear
        << shiftedLine("JOHN") + shiftedLine("10") + shiftedLine("May") + shiftedLine("1975");
    QTest::newRow("name month day year")
        << SavedLayout::NameMonthDayYear
        << shiftedLine("JOHN") + shiftedLine("May") + shiftedLine("10") + shiftedLine("1975");
}

void TstSavedReadingFile::encodeSavedReading()
{
    QFETCH(SavedLayout, layout);
    QFETCH(QByteArray, expected);

    const QByteArray bytes = orbelle::encodeSavedReading(kJohn, layout);
    QCOMPARE(bytes, expected);
    // The text scrambler, taken back to Windows-1252 codes, must give the same lines.
    const QStringList fields = layout == SavedLayout::NameDayMonthYear
                                   ? QStringList{"JOHN", "10", "May", "1975"}
                                   : QStringList{"JOHN", "May", "10", "1975"};
    QByteArray viaText;
    for (const QString &field : fields)
        viaText += toWindows1252(ScrambleText(field)) + "\r\n";
    QCOMPARE(bytes, viaText);
}

void TstSavedReadingFile::writeThenRead_data()
{
    QTest::addColumn<SavedLayout>("layout");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Health") << SavedLayout::NameDayMonthYear << QStringLiteral("reading.hel")
                            << QStringList{"JOHN", "10", "May", "1975"};
    QTest::newRow("Financial") << SavedLayout::NameMonthDayYear << QStringLiteral("reading.zod")
                               << QStringList{"JOHN", "May", "10", "1975"};
}

void TstSavedReadingFile::writeThenRead()
{
    QFETCH(SavedLayout, layout);
    QFETCH(QString, fileName);
    QFETCH(QStringList, lines);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(fileName);

    QString error;
    QVERIFY2(writeSavedReading(path, kJohn, layout, &error), qPrintable(error));
    QCOMPARE(readAll(path), orbelle::encodeSavedReading(kJohn, layout));

    const std::optional<QStringList> read = readSavedReadingLines(path, &error);
    QVERIFY2(read.has_value(), qPrintable(error));
    QCOMPARE(*read, lines);

    const std::optional<SavedReading> reading = interpretSavedLines(*read, layout, 1900, 2050);
    QVERIFY(reading.has_value());
    QCOMPARE(reading->name, QStringLiteral("JOHN"));
    QCOMPARE(reading->day, 10);
    QCOMPARE(reading->month, 5);
    QCOMPARE(reading->year, 1975);
}

void TstSavedReadingFile::overwriteReplacesOldReading()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("reading.hel"));
    QVERIFY(writeBytes(path, QByteArray(200, 'x')));

    const BirthData ann{QStringLiteral("MARY ANN"), 2000, QStringLiteral("February"), 29};
    QString error;
    QVERIFY2(writeSavedReading(path, ann, SavedLayout::NameDayMonthYear, &error),
             qPrintable(error));
    QCOMPARE(readAll(path), orbelle::encodeSavedReading(ann, SavedLayout::NameDayMonthYear));
}

void TstSavedReadingFile::writeIntoMissingDirectoryFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing"));
    const QString path = missing + QStringLiteral("/reading.hel");

    QString error;
    QVERIFY(!writeSavedReading(path, kJohn, SavedLayout::NameDayMonthYear, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QFileInfo::exists(missing));
}

void TstSavedReadingFile::writeIntoReadOnlyDirectoryKeepsOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("needs POSIX directory permissions");
#else
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sub = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(sub));
    const QString path = sub + QStringLiteral("/reading.hel");
    const QByteArray oldBytes = orbelle::encodeSavedReading(
        BirthData{QStringLiteral("OLD"), 1950, QStringLiteral("June"), 1},
        SavedLayout::NameDayMonthYear);
    QVERIFY(writeBytes(path, oldBytes));

    const QByteArray subPath = QFile::encodeName(sub);
    QCOMPARE(::chmod(subPath.constData(), 0555), 0);
    // Give the directory back its rights however the test ends, so it can be removed.
    struct Restore {
        QByteArray path;
        ~Restore() { ::chmod(path.constData(), 0755); }
    } restore{subPath};

    {
        QFile probe(sub + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QSKIP("directory permissions are not enforced for this user");
        }
    }

    QString error;
    QVERIFY(!writeSavedReading(path, kJohn, SavedLayout::NameDayMonthYear, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), oldBytes);
    QCOMPARE(QDir(sub).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{QStringLiteral("reading.hel")});
#endif
}

void TstSavedReadingFile::readRefusesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("directory") << QStringLiteral("directory");
    QTest::newRow("missing file") << QStringLiteral("missing");
#ifdef Q_OS_UNIX
    QTest::newRow("device") << QStringLiteral("/dev/zero");
    QTest::newRow("fifo") << QStringLiteral("fifo");
#endif
}

// A device or a FIFO would never end or block the window, so they are refused
// before anything is read; the test timeout catches a hang.
void TstSavedReadingFile::readRefusesWhatIsNotAFile()
{
    QFETCH(QString, what);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path;
    if (what == QLatin1String("directory")) {
        path = dir.filePath(QStringLiteral("reading.hel"));
        QVERIFY(QDir().mkdir(path));
    } else if (what == QLatin1String("missing")) {
        path = dir.filePath(QStringLiteral("nothing.hel"));
#ifdef Q_OS_UNIX
    } else if (what == QLatin1String("fifo")) {
        path = dir.filePath(QStringLiteral("pipe.hel"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    } else {
        path = what;
    }

    QString error;
    QVERIFY(!readSavedReadingLines(path, &error).has_value());
    QVERIFY(!error.isEmpty());
}

void TstSavedReadingFile::readByteBound_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("at the bound") << kSavedReadingMaxBytes << true;
    QTest::newRow("one past the bound") << kSavedReadingMaxBytes + 1 << false;
    QTest::newRow("1 MiB") << qint64(1024 * 1024) << false;
}

void TstSavedReadingFile::readByteBound()
{
    QFETCH(qint64, size);
    QFETCH(bool, accepted);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("big.hel"));
    // Scrambled 'A's and not a single line end.
    QVERIFY(writeBytes(path, QByteArray(size, char('A' + kScrambleShift))));

    QString error;
    const std::optional<QStringList> lines = readSavedReadingLines(path, &error);
    QCOMPARE(lines.has_value(), accepted);
    if (accepted) {
        QCOMPARE(lines->size(), 1);
        QCOMPARE(lines->at(0), QString(size, QLatin1Char('A')));
    } else {
        QVERIFY(!error.isEmpty());
    }
}

void TstSavedReadingFile::readKeepsAtMostFiveLines()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("long.hel"));
    // Bare LF endings and no end on the last line are read as well.
    const QByteArray bytes = shiftedLine("A") + shiftedLine("B") + shiftedLine("C").chopped(2) +
                             "\n" + shiftedLine("D") + shiftedLine("E") + shiftedLine("F") +
                             shiftedLine("G").chopped(2);
    QVERIFY(writeBytes(path, bytes));

    QString error;
    const std::optional<QStringList> lines = readSavedReadingLines(path, &error);
    QVERIFY2(lines.has_value(), qPrintable(error));
    QCOMPARE(*lines, (QStringList{"A", "B", "C", "D", "E"}));

    QCOMPARE(decodeSavedReadingLines(shiftedLine("A") + shiftedLine("B").chopped(2)),
             (QStringList{"A", "B"}));
    QCOMPARE(decodeSavedReadingLines(QByteArray()), QStringList());
}

void TstSavedReadingFile::interpretAccepts_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<SavedLayout>("layout");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");

    QTest::newRow("day first") << QStringList{"JOHN", "10", "May", "1975"}
                               << SavedLayout::NameDayMonthYear << 10 << 5 << 1975;
    QTest::newRow("month first") << QStringList{"JOHN", "May", "10", "1975"}
                                 << SavedLayout::NameMonthDayYear << 10 << 5 << 1975;
    QTest::newRow("fifth line") << QStringList{"JOHN", "1", "December", "2050", "extra"}
                                << SavedLayout::NameDayMonthYear << 1 << 12 << 2050;
    QTest::newRow("first year") << QStringList{"JOHN", "31", "January", "1900"}
                                << SavedLayout::NameDayMonthYear << 31 << 1 << 1900;
}

void TstSavedReadingFile::interpretAccepts()
{
    QFETCH(QStringList, lines);
    QFETCH(SavedLayout, layout);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);

    const std::optional<SavedReading> reading = interpretSavedLines(lines, layout, 1900, 2050);
    QVERIFY(reading.has_value());
    QCOMPARE(reading->name, lines.at(0));
    QCOMPARE(reading->day, day);
    QCOMPARE(reading->month, month);
    QCOMPARE(reading->year, year);
}

void TstSavedReadingFile::interpretRefuses_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<SavedLayout>("layout");

    const auto dayFirst = SavedLayout::NameDayMonthYear;
    QTest::newRow("three lines") << QStringList{"JOHN", "10", "May"} << dayFirst;
    QTest::newRow("no lines") << QStringList{} << dayFirst;
    QTest::newRow("day 32") << QStringList{"JOHN", "32", "May", "1975"} << dayFirst;
    QTest::newRow("day 0") << QStringList{"JOHN", "0", "May", "1975"} << dayFirst;
    QTest::newRow("day 07") << QStringList{"JOHN", "07", "May", "1975"} << dayFirst;
    QTest::newRow("day +7") << QStringList{"JOHN", "+7", "May", "1975"} << dayFirst;
    QTest::newRow("day with space") << QStringList{"JOHN", "7 ", "May", "1975"} << dayFirst;
    QTest::newRow("month lower case") << QStringList{"JOHN", "10", "may", "1975"} << dayFirst;
    QTest::newRow("month number") << QStringList{"JOHN", "10", "5", "1975"} << dayFirst;
    QTest::newRow("year before range") << QStringList{"JOHN", "10", "May", "1899"} << dayFirst;
    QTest::newRow("year after range") << QStringList{"JOHN", "10", "May", "2051"} << dayFirst;
    QTest::newRow("garbage") << QStringList{"\x01\x02", "abc", "???", "x"} << dayFirst;
    // Each layout reads its own order only.
    QTest::newRow("day first read as month first")
        << QStringList{"JOHN", "10", "May", "1975"} << SavedLayout::NameMonthDayYear;
    QTest::newRow("month first read as day first")
        << QStringList{"JOHN", "May", "10", "1975"} << dayFirst;
}

void TstSavedReadingFile::interpretRefuses()
{
    QFETCH(QStringList, lines);
    QFETCH(SavedLayout, layout);
    QVERIFY(!interpretSavedLines(lines, layout, 1900, 2050).has_value());
}

void TstSavedReadingFile::hasExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<ToolId>("tool");
    QTest::addColumn<bool>("matches");

    QTest::newRow("lower case") << QStringLiteral("reading.hel") << ToolId::Health << true;
    QTest::newRow("upper case") << QStringLiteral("READING.HEL") << ToolId::Health << false;
    QTest::newRow("mixed case") << QStringLiteral("reading.Hel") << ToolId::Health << false;
    QTest::newRow("other tool") << QStringLiteral("reading.zoy") << ToolId::Health << false;
    QTest::newRow("Yoga") << QStringLiteral("/tmp/a b/reading.zoy") << ToolId::Yoga << true;
    QTest::newRow("Flower") << QStringLiteral("reading.flo") << ToolId::Flower << true;
    QTest::newRow("Financial") << QStringLiteral("reading.zod") << ToolId::Financial << true;
}

void TstSavedReadingFile::hasExtension()
{
    QFETCH(QString, path);
    QFETCH(ToolId, tool);
    QFETCH(bool, matches);

    const std::optional<SavedReadingFormat> format = savedReadingFormat(tool);
    QVERIFY(format.has_value());
    QCOMPARE(format->tool, tool);
    QCOMPARE(orbelle::hasExtension(path, *format), matches);
}

void TstSavedReadingFile::formatForPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("tool"); // -1: no tool saves such files

    QTest::newRow("hel") << QStringLiteral("x.hel") << toolIndex(ToolId::Health);
    QTest::newRow("zoy") << QStringLiteral("x.zoy") << toolIndex(ToolId::Yoga);
    QTest::newRow("flo") << QStringLiteral("x.flo") << toolIndex(ToolId::Flower);
    QTest::newRow("zod") << QStringLiteral("x.zod") << toolIndex(ToolId::Financial);
    QTest::newRow("txt") << QStringLiteral("x.txt") << -1;
    QTest::newRow("upper case") << QStringLiteral("x.ZOD") << -1;
    QTest::newRow("empty") << QString() << -1;
}

void TstSavedReadingFile::formatForPath()
{
    QFETCH(QString, path);
    QFETCH(int, tool);

    const std::optional<SavedReadingFormat> format = savedReadingFormatForPath(path);
    if (tool < 0) {
        QVERIFY(!format.has_value());
        return;
    }
    QVERIFY(format.has_value());
    QCOMPARE(toolIndex(format->tool), tool);
    const SavedLayout expectedLayout = format->tool == ToolId::Financial
                                           ? SavedLayout::NameMonthDayYear
                                           : SavedLayout::NameDayMonthYear;
    QCOMPARE(format->layout, expectedLayout);
}

void TstSavedReadingFile::dialogFilter_data()
{
    QTest::addColumn<QByteArray>("pipeFilter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("save form") << QByteArray("QJ Free Health Astrology | *.hel")
                               << QStringLiteral("QJ Free Health Astrology (*.hel)");
    // The open filters already carry the pattern in the description.
    QTest::newRow("open form") << QByteArray("QJ Free Health Astrology (*.hel)|*.hel")
                               << QStringLiteral("QJ Free Health Astrology (*.hel)");

    const struct {
        ToolId tool;
        const char *save;
        const char *open;
    } expected[] = {
        {ToolId::Health, "QJ Free Health Astrology (*.hel)", "QJ Free Health Astrology (*.hel)"},
        {ToolId::Yoga, "QJ Free Zodiac Yoga (*.zoy)", "QJ Free Zodiac Yoga (*.zoy)"},
        {ToolId::Flower, "QJ Free Flower Astrology (*.flo)", "QJ Free Flower Astrology (*.flo)"},
        {ToolId::Financial, "Rich Text Format (*.zod)", "QJ Free Zodiac Signs (*.zod)"},
    };
    for (const auto &row : expected) {
        const std::optional<SavedReadingFormat> format = savedReadingFormat(row.tool);
        QVERIFY(format.has_value());
        const QByteArray tool = toolDescriptor(row.tool).caption;
        QTest::newRow((tool + " save").constData())
            << QByteArray(format->saveFilter) << QString::fromLatin1(row.save);
        QTest::newRow((tool + " open").constData())
            << QByteArray(format->openFilter) << QString::fromLatin1(row.open);
    }
}

void TstSavedReadingFile::dialogFilter()
{
    QFETCH(QByteArray, pipeFilter);
    QFETCH(QString, expected);
    QCOMPARE(orbelle::dialogFilter(pipeFilter.constData()), expected);
}

QTEST_GUILESS_MAIN(TstSavedReadingFile)
#include "tst_savedreadingfile.moc"
