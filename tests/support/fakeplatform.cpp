#include "fakeplatform.h"

#include <QTest>

namespace orbelle::test {

void FakePlatform::showMessage(QWidget *, MessageIcon icon, const QString &text)
{
    messages.append({QStringLiteral("message"), icon, text});
}

bool FakePlatform::askYesNo(QWidget *, MessageIcon icon, const QString &text)
{
    messages.append({QStringLiteral("question"), icon, text});
    if (yesNoAnswers.isEmpty()) {
        faults << QStringLiteral("unscripted question: ") + text;
        return false;
    }
    return yesNoAnswers.dequeue();
}

QString FakePlatform::openFileName(QWidget *, const FileDialogOptions &options)
{
    dialogs.append({QStringLiteral("open"), options});
    if (openAnswers.isEmpty()) {
        faults << QStringLiteral("unscripted open dialog: ") + options.title;
        return {};
    }
    return openAnswers.dequeue();
}

QString FakePlatform::saveFileName(QWidget *, const FileDialogOptions &options)
{
    dialogs.append({QStringLiteral("save"), options});
    if (saveAnswers.isEmpty()) {
        faults << QStringLiteral("unscripted save dialog: ") + options.title;
        return {};
    }
    return saveAnswers.dequeue();
}

void FakePlatform::openUrl(const QUrl &url)
{
    openedUrls.append(url);
}

bool FakePlatform::print(QWidget *, const PrintJob &job)
{
    ++printCount;
    return printer ? printer(job) : false;
}

QVariant FakePlatform::setting(const QString &group, const QString &key) const
{
    return settings.value(group + QLatin1Char('/') + key);
}

void FakePlatform::setSetting(const QString &group, const QString &key, const QVariant &value)
{
    settings.insert(group + QLatin1Char('/') + key, value);
}

RecordedMessage FakePlatform::takeMessage()
{
    if (messages.isEmpty())
        return {QStringLiteral("none"), MessageIcon::Information, QString()};
    return messages.takeFirst();
}

void FakePlatform::verify()
{
    QStringList problems = faults;
    for (const RecordedMessage &m : std::as_const(messages))
        problems << QStringLiteral("unread %1: %2").arg(m.kind, m.text);
    if (!yesNoAnswers.isEmpty())
        problems << QStringLiteral("unused Yes/No answers");
    if (!openAnswers.isEmpty())
        problems << QStringLiteral("unused open dialog answers");
    if (!saveAnswers.isEmpty())
        problems << QStringLiteral("unused save dialog answers");
    reset();
    if (!problems.isEmpty())
        QFAIL(qPrintable(problems.join(QLatin1Char('\n'))));
}

void FakePlatform::reset()
{
    yesNoAnswers.clear();
    openAnswers.clear();
    saveAnswers.clear();
    printer = nullptr;
    messages.clear();
    dialogs.clear();
    openedUrls.clear();
    printCount = 0;
    faults.clear();
}

} // namespace orbelle::test
