#pragma once

#include "core/inputprofile.h"

#include <QDate>
#include <QString>
#include <QUrl>
#include <QVariant>

class QTextDocument;
class QWidget;

namespace orbelle {

struct FileDialogOptions {
    QString title;
    QString filter;        // Qt form: "Description (*.ext)"
    QString defaultSuffix; // without the dot
};

// What to print: the whole document, and the selection when there is one.
struct PrintJob {
    const QTextDocument *whole = nullptr;
    const QTextDocument *selection = nullptr; // nullptr: nothing is selected
};

// Everything the suite asks of the desktop. Windows receive it by reference,
// so tests can swap in a recording fake.
class Platform
{
public:
    virtual ~Platform() = default;

    virtual void showMessage(QWidget *parent, MessageIcon icon, const QString &text) = 0;
    // true for Yes.
    virtual bool askYesNo(QWidget *parent, MessageIcon icon, const QString &text) = 0;

    // An empty path means the dialog was cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogOptions &options) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogOptions &options) = 0;

    virtual void openUrl(const QUrl &url) = 0;

    // Shows the printer dialog and prints what it asks for; false when nothing printed.
    virtual bool print(QWidget *parent, const PrintJob &job) = 0;

    virtual QDate today() const = 0;

    virtual QVariant setting(const QString &group, const QString &key) const = 0;
    virtual void setSetting(const QString &group, const QString &key, const QVariant &value) = 0;
};

} // namespace orbelle
