#include "reportdocument.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace orbelle {

namespace {

constexpr qreal kReportPointSize = 10;

// An address ends at white space or a character that cannot be part of one;
// sentence punctuation right after it is not part of it either.
const QRegularExpression &webAddressPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(\bhttps?://[^\s<>"']+[^\s<>"'.,;:!?)\]])"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

void setupReportDocument(QTextDocument &document)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(kReportPointSize);
    document.setDefaultFont(font);
    document.setDocumentMargin(12);
}

void appendRuns(QTextCursor &cursor, const Report &report)
{
    for (const ReportRun &run : report) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(run.colour);
        if (run.pointSize > 0)
            format.setFontPointSize(run.pointSize);
        cursor.insertText(run.text, format);
    }
}

void linkWebAddresses(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        QRegularExpressionMatchIterator matches = webAddressPattern().globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            QTextCursor cursor(&document);
            cursor.setPosition(block.position() + int(match.capturedStart()));
            cursor.setPosition(block.position() + int(match.capturedEnd()),
                               QTextCursor::KeepAnchor);
            QTextCharFormat link;
            link.setAnchor(true);
            link.setAnchorHref(match.captured());
            link.setFontUnderline(true);
            cursor.mergeCharFormat(link);
        }
    }
}

std::unique_ptr<QTextDocument> buildReportDocument(const Report &report)
{
    auto document = std::make_unique<QTextDocument>();
    setupReportDocument(*document);
    QTextCursor cursor(document.get());
    appendRuns(cursor, report);
    linkWebAddresses(*document);
    return document;
}

bool isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

QString reportPlainText(const QTextDocument &document)
{
    QString text = document.toPlainText();
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text;
}

QString reportHtml(const QTextDocument &document)
{
    return document.toHtml();
}

QByteArray reportPdf(const QTextDocument &document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Orbelle"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        document.print(&writer);
    }
    return buffer.data();
}

bool writeReportPdf(const QTextDocument &document, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray pdf = reportPdf(document);
    if (file.write(pdf) != pdf.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace orbelle
