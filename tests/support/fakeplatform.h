#pragma once

#include "shell/platform.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace orbelle::test {

struct RecordedMessage {
    QString kind; // "message" or "question"
    MessageIcon icon;
    QString text;

    bool operator==(const RecordedMessage &o) const
    {
        return kind == o.kind && icon == o.icon && text == o.text;
    }
};

struct RecordedDialog {
    QString kind; // "open" or "save"
    FileDialogOptions options;
};

// Records everything the windows ask of the desktop and answers from queues.
// A question or dialog without a scripted answer is recorded as a fault, and
// verify() fails on faults, unread messages and answers left over.
class FakePlatform : public Platform
{
public:
    void showMessage(QWidget *parent, MessageIcon icon, const QString &text) override;
    bool askYesNo(QWidget *parent, MessageIcon icon, const QString &text) override;
    QString openFileName(QWidget *parent, const FileDialogOptions &options) override;
    QString saveFileName(QWidget *parent, const FileDialogOptions &options) override;
    void openUrl(const QUrl &url) override;
    bool print(QWidget *parent, const PrintJob &job) override;
    QDate today() const override { return todayDate; }
    QVariant setting(const QString &group, const QString &key) const override;
    void setSetting(const QString &group, const QString &key, const QVariant &value) override;

    // Scripted answers.
    QQueue<bool> yesNoAnswers;
    QQueue<QString> openAnswers; // empty text: cancelled
    QQueue<QString> saveAnswers;
    // Runs instead of a printer dialog; the default prints nothing.
    std::function<bool(const PrintJob &)> printer;

    QDate todayDate{2026, 12, 10};
    QMap<QString, QVariant> settings; // "group/key"

    // What happened, in order.
    QList<RecordedMessage> messages;
    QList<RecordedDialog> dialogs;
    QList<QUrl> openedUrls;
    int printCount = 0;
    QStringList faults;

    RecordedMessage takeMessage();
    // Fails the calling test on faults, unread messages or unused answers.
    void verify();
    void reset();
};

} // namespace orbelle::test
