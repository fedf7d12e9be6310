#include "commandline.h"

#include "core/datecheck.h"
#include "core/inputprofile.h"
#include "core/namefilter.h"
#include "core/savedreadingfile.h"
#include "report/reportdocument.h"
#include "toolcatalog.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextStream>

#include <cstring>

namespace orbelle {

namespace {

constexpr int kDone = 0;
constexpr int kFileFailed = 1;
constexpr int kRefused = 2;

enum class Format { Text, Html, Pdf };

struct Request {
    ToolId tool;
    BirthInput input;
    Format format = Format::Text;
    QString outputPath; // empty: standard output
    QString savePath;   // empty: no saved reading
};

struct Outcome {
    int status = kDone;
    QString message;
};

Outcome refused(const QString &message)
{
    return {kRefused, message};
}

Outcome fileFailed(const QString &message)
{
    return {kFileFailed, message};
}

std::optional<Format> formatNamed(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String("text"))
        return Format::Text;
    if (name == QLatin1String("html"))
        return Format::Html;
    if (name == QLatin1String("pdf"))
        return Format::Pdf;
    return std::nullopt;
}

// YYYY-MM-DD with a month of 1..12 and a day of 1..31; whether the month has
// that day is the tool's own check, with its own message.
std::optional<BirthInput> parseBorn(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    BirthInput input;
    input.year = match.captured(1).toInt();
    input.month = match.captured(2).toInt();
    input.day = match.captured(3).toInt();
    if (input.month < 1 || input.month > 12 || input.day < 1 || input.day > 31)
        return std::nullopt;
    return input;
}

Outcome writeOutput(const QByteArray &bytes, const QString &path, QIODevice &out)
{
    if (path.isEmpty()) {
        if (out.write(bytes) != bytes.size())
            return fileFailed(QStringLiteral("Could not write the output."));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return fileFailed(QStringLiteral("Could not write %1: %2").arg(path, file.errorString()));
    return {};
}

QByteArray renderReport(const Report &report, Format format)
{
    const std::unique_ptr<QTextDocument> document = buildReportDocument(report);
    switch (format) {
    case Format::Html:
        return reportHtml(*document).toUtf8();
    case Format::Pdf:
        return reportPdf(*document);
    case Format::Text:
        break;
    }
    return reportPlainText(*document).toUtf8();
}

Outcome makeReading(const Request &request, QIODevice &out)
{
    const ToolEntry &entry = toolEntry(request.tool);
    const char *command = toolDescriptor(request.tool).commandName;
    if (!entry.read)
        return refused(QStringLiteral("%1 readings are not available in this build.")
                           .arg(toolDescriptor(request.tool).caption));
    const HeadlessReading reading = entry.read(request.input);
    if (!reading.report) {
        if (request.format != Format::Text)
            return refused(QStringLiteral("%1 prints its reading as text only.").arg(command));
        if (!request.savePath.isEmpty())
            return refused(QStringLiteral("%1 has no saved readings.").arg(command));
        return writeOutput(reading.text.toUtf8(), request.outputPath, out);
    }
    if (!request.savePath.isEmpty()) {
        const SavedReadingFormat format = *savedReadingFormat(request.tool);
        QString error;
        if (!writeSavedReading(request.savePath, birthDataOf(request.input), format.layout, &error))
            return fileFailed(QStringLiteral("The reading was not saved: %1").arg(error));
    }
    return writeOutput(renderReport(*reading.report, request.format), request.outputPath, out);
}

// The checks of the tool's input window, in its order.
Outcome checkInput(const InputProfile &profile, const BirthInput &input)
{
    if (profile.hasDateLists && (input.year < profile.firstYear || input.year > profile.lastYear))
        return refused(QStringLiteral("The year of birth must lie between %1 and %2.")
                           .arg(profile.firstYear)
                           .arg(profile.lastYear));
    if (const std::optional<InputRefusal> refusal = checkBirthInput(profile, input))
        return refused(refusal->message);
    return {};
}

Outcome readCommand(const QCommandLineParser &parser, const QString &toolName, Request &request)
{
    const std::optional<ToolId> tool = toolFromCommandName(toolName);
    if (!tool)
        return refused(QStringLiteral("Unknown tool \"%1\". Tools: health yoga food fruit flower "
                                      "financial powersign healingsign.")
                           .arg(toolName));
    request.tool = *tool;
    const InputProfile &profile = inputProfile(*tool);

    const std::optional<BirthInput> born = parseBorn(parser.value(QStringLiteral("born")));
    if (profile.hasDateLists && !born)
        return refused(QStringLiteral("--born wants the date of birth as YYYY-MM-DD."));
    if (born)
        request.input = *born;

    // The name boxes, in the tool's order; --name fills the first.
    const QStringList given = profile.nameBoxCount == 3
                                  ? QStringList{parser.value(QStringLiteral("first")),
                                                parser.value(QStringLiteral("middle")),
                                                parser.value(QStringLiteral("last"))}
                                  : QStringList{parser.isSet(QStringLiteral("name"))
                                                    ? parser.value(QStringLiteral("name"))
                                                    : parser.value(QStringLiteral("first"))};
    request.input.names.clear();
    for (const QString &typed : given) {
        if (!profile.keystrokeMessage) {
            request.input.names << typed;
            continue;
        }
        const FilteredName filtered = typeThroughNameFilter(typed);
        if (filtered.refused)
            return refused(QString::fromUtf8(profile.keystrokeMessage));
        request.input.names << filtered.text;
    }
    return checkInput(profile, request.input);
}

Outcome openCommand(const QString &path, Request &request)
{
    const std::optional<SavedReadingFormat> format = savedReadingFormatForPath(path);
    if (!format)
        return fileFailed(QString::fromLatin1(kCheckTheFileMessage));
    QString error;
    const std::optional<QStringList> lines = readSavedReadingLines(path, &error);
    if (!lines)
        return fileFailed(QStringLiteral("%1 %2").arg(QLatin1String(kCheckTheFileMessage), error));
    const InputProfile &profile = inputProfile(format->tool);
    const std::optional<SavedReading> saved =
        interpretSavedLines(*lines, format->layout, profile.firstYear, profile.lastYear);
    if (!saved)
        return fileFailed(QString::fromLatin1(kCheckTheFileMessage));
    request.tool = format->tool;
    request.input.names = QStringList{saved->name};
    request.input.day = saved->day;
    request.input.month = saved->month;
    request.input.year = saved->year;
    return checkInput(profile, request.input);
}

} // namespace

bool isCommandLineMode(int argc, char **argv)
{
    return argc > 1 && (std::strcmp(argv[1], "read") == 0 || std::strcmp(argv[1], "open") == 0);
}

int runCommandLine(const QStringList &arguments, QIODevice &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {QStringLiteral("born"), QStringLiteral("Date of birth."), QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("name"), QStringLiteral("Name."), QStringLiteral("NAME")},
        {QStringLiteral("first"), QStringLiteral("First name."), QStringLiteral("F")},
        {QStringLiteral("middle"), QStringLiteral("Middle name."), QStringLiteral("M")},
        {QStringLiteral("last"), QStringLiteral("Last name."), QStringLiteral("L")},
        {QStringLiteral("fruit"), QStringLiteral("Fruit."), QStringLiteral("FRUIT")},
        {QStringLiteral("format"), QStringLiteral("text, html or pdf."), QStringLiteral("FORMAT")},
        {QStringLiteral("output"), QStringLiteral("Output file."), QStringLiteral("FILE")},
        {QStringLiteral("save"), QStringLiteral("Saved reading file."), QStringLiteral("FILE")},
    });
    if (!parser.parse(arguments)) {
        err << parser.errorText() << '\n';
        return kRefused;
    }
    const QStringList words = parser.positionalArguments();
    Request request;
    const std::optional<Format> format = formatNamed(parser.value(QStringLiteral("format")));
    if (!format) {
        err << "--format is one of text, html, pdf.\n";
        return kRefused;
    }
    request.format = *format;
    request.outputPath = parser.value(QStringLiteral("output"));
    request.savePath = parser.value(QStringLiteral("save"));

    Outcome outcome;
    if (words.size() == 2 && words[0] == QLatin1String("read")) {
        outcome = readCommand(parser, words[1], request);
    } else if (words.size() == 2 && words[0] == QLatin1String("open")) {
        if (!request.savePath.isEmpty())
            outcome = refused(QStringLiteral("open does not take --save."));
        else
            outcome = openCommand(words[1], request);
    } else {
        outcome = refused(QStringLiteral("Usage: orbelle read TOOL --born YYYY-MM-DD --name NAME "
                                         "[--format text|html|pdf] [--output FILE] [--save FILE]\n"
                                         "       orbelle open FILE [--format text|html|pdf] "
                                         "[--output FILE]"));
    }
    if (outcome.status == kDone)
        outcome = makeReading(request, out);
    if (outcome.status != kDone)
        err << outcome.message << '\n';
    err.flush();
    return outcome.status;
}

} // namespace orbelle
