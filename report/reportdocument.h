#pragma once

#include "report.h"

#include <QString>

#include <memory>

class QTextCursor;
class QUrl;
class QTextDocument;

namespace orbelle {

// Appends the runs at the cursor, each with its own character format; text is
// inserted as text, so a name like "<b>" never becomes markup.
void appendRuns(QTextCursor &cursor, const Report &report);

// Turns every http and https address in the document into a link to itself.
void linkWebAddresses(QTextDocument &document);

// The document every report is shown, printed and exported as.
std::unique_ptr<QTextDocument> buildReportDocument(const Report &report);
void setupReportDocument(QTextDocument &document);

// True for the only addresses a report link may open.
bool isWebAddress(const QUrl &url);

// Exports of the very document the report window shows.
QString reportPlainText(const QTextDocument &document); // lines end in "\n"
QString reportHtml(const QTextDocument &document);
bool writeReportPdf(const QTextDocument &document, const QString &path, QString *error);
QByteArray reportPdf(const QTextDocument &document);

} // namespace orbelle
