#include "qtplatform.h"

#include "siteaddresses.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QTextDocument>
#include <QWidget>

namespace orbelle {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

QString boxTitle(QWidget *parent)
{
    if (parent && !parent->window()->windowTitle().isEmpty())
        return parent->window()->windowTitle();
    return suiteTitle();
}

// The program's file name without extension names the settings.
const QString kSettingsName = QStringLiteral("orbelle");

} // namespace

void QtPlatform::showMessage(QWidget *parent, MessageIcon icon, const QString &text)
{
    QMessageBox box(boxIcon(icon), boxTitle(parent), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPlatform::askYesNo(QWidget *parent, MessageIcon icon, const QString &text)
{
    QMessageBox box(boxIcon(icon), boxTitle(parent), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::openFileName(QWidget *parent, const FileDialogOptions &options)
{
    QFileDialog dialog(parent, options.title, QString(), options.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(options.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::saveFileName(QWidget *parent, const FileDialogOptions &options)
{
    QFileDialog dialog(parent, options.title, QString(), options.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(options.defaultSuffix);
    // Qt asks before overwriting unless told not to.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtPlatform::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

bool QtPlatform::print(QWidget *parent, const PrintJob &job)
{
    if (!job.whole)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    if (job.selection) {
        options |= QAbstractPrintDialog::PrintSelection;
        dialog.setOptions(options);
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    } else {
        dialog.setOptions(options);
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool selectionOnly =
        job.selection && dialog.printRange() == QAbstractPrintDialog::Selection;
    (selectionOnly ? job.selection : job.whole)->print(&printer);
    return true;
}

QDate QtPlatform::today() const
{
    return QDate::currentDate();
}

QVariant QtPlatform::setting(const QString &group, const QString &key) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsName, kSettingsName);
    settings.beginGroup(group);
    return settings.value(key);
}

void QtPlatform::setSetting(const QString &group, const QString &key, const QVariant &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsName, kSettingsName);
    settings.beginGroup(group);
    settings.setValue(key, value);
}

} // namespace orbelle
