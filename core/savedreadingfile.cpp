#include "savedreadingfile.h"

#include "datecheck.h"
#include "scramble.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace orbelle {

namespace {

constexpr std::array<SavedReadingFormat, 4> kFormats{{
    {ToolId::Health, "hel", SavedLayout::NameDayMonthYear, "QJ Free Health Astrology | *.hel",
     "QJ Free Health Astrology", "QJ Free Health Astrology (*.hel)|*.hel"},
    {ToolId::Yoga, "zoy", SavedLayout::NameDayMonthYear, "QJ Free Zodiac Yoga | *.zoy",
     "QJ Free Zodiac Yoga", "QJ Free Zodiac Yoga (*.zoy)|*.zoy"},
    {ToolId::Flower, "flo", SavedLayout::NameDayMonthYear, "QJ Free Flower Astrology | *.flo",
     "QJ Free Flower Astrology", "QJ Free Flower Astrology (*.flo)|*.flo"},
    {ToolId::Financial, "zod", SavedLayout::NameMonthDayYear, "Rich Text Format | *.zod",
     "Save Your Zodiac Signs Result ....", "QJ Free Zodiac Signs (*.zod)|*.zod"},
}};

QString dayText(int day)
{
    return QString::number(day);
}

// The list entry a text selects: the exact decimal text of a number in range.
std::optional<int> listNumber(const QString &text, int first, int last)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < first || value > last || QString::number(value) != text)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<SavedReadingFormat> savedReadingFormat(ToolId tool)
{
    for (const SavedReadingFormat &format : kFormats) {
        if (format.tool == tool)
            return format;
    }
    return std::nullopt;
}

bool hasExtension(const QString &path, const SavedReadingFormat &format)
{
    return path.right(3) == QLatin1String(format.extension);
}

std::optional<SavedReadingFormat> savedReadingFormatForPath(const QString &path)
{
    for (const SavedReadingFormat &format : kFormats) {
        if (hasExtension(path, format))
            return format;
    }
    return std::nullopt;
}

QString dialogFilter(const char *pipeFilter)
{
    const QString filter = QString::fromLatin1(pipeFilter);
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    const QString description = filter.left(bar).trimmed();
    const QString pattern = filter.mid(bar + 1).trimmed();
    if (description.contains(QLatin1Char('(')))
        return description;
    return QStringLiteral("%1 (%2)").arg(description, pattern);
}

QByteArray encodeSavedReading(const BirthData &data, SavedLayout layout)
{
    QStringList fields{data.name};
    if (layout == SavedLayout::NameDayMonthYear)
        fields << dayText(data.day) << data.monthName;
    else
        fields << data.monthName << dayText(data.day);
    fields << QString::number(data.year);

    QByteArray bytes;
    for (const QString &field : fields)
        bytes += scrambleCodes(toWindows1252(field)) + "\r\n";
    return bytes;
}

bool writeSavedReading(const QString &path, const BirthData &data, SavedLayout layout,
                       QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = encodeSavedReading(data, layout);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QStringList decodeSavedReadingLines(const QByteArray &bytes)
{
    QStringList lines;
    const QList<QByteArray> raw = bytes.split('\n');
    for (qsizetype i = 0; i < raw.size() && lines.size() < 5; ++i) {
        QByteArray line = raw.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        // A final line end leaves an empty piece behind: it is not a line.
        if (i == raw.size() - 1 && line.isEmpty())
            break;
        lines << fromWindows1252(unscrambleCodes(line));
    }
    return lines;
}

std::optional<QStringList> readSavedReadingLines(const QString &path, QString *error)
{
    // Only a regular file: a FIFO or a device could block or never end.
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (error)
            *error = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kSavedReadingMaxBytes + 1);
    if (bytes.size() > kSavedReadingMaxBytes) {
        if (error)
            *error = QStringLiteral("too large for a saved reading");
        return std::nullopt;
    }
    return decodeSavedReadingLines(bytes);
}

std::optional<SavedReading> interpretSavedLines(const QStringList &lines, SavedLayout layout,
                                                int firstYear, int lastYear)
{
    if (lines.size() < 4)
        return std::nullopt;
    const bool dayFirst = layout == SavedLayout::NameDayMonthYear;
    const QString &dayLine = lines.at(dayFirst ? 1 : 2);
    const QString &monthLine = lines.at(dayFirst ? 2 : 1);

    const std::optional<int> day = listNumber(dayLine, 1, 31);
    const std::optional<int> month = monthFromName(monthLine);
    const std::optional<int> year = listNumber(lines.at(3), firstYear, lastYear);
    if (!day || !month || !year)
        return std::nullopt;
    return SavedReading{lines.at(0), *day, *month, *year};
}

} // namespace orbelle
