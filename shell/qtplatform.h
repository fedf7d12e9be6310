#pragma once

#include "platform.h"

namespace orbelle {

// The real desktop: message boxes, file and printer dialogs, the browser,
// the clock and the per-user settings file.
class QtPlatform final : public Platform
{
public:
    void showMessage(QWidget *parent, MessageIcon icon, const QString &text) override;
    bool askYesNo(QWidget *parent, MessageIcon icon, const QString &text) override;
    QString openFileName(QWidget *parent, const FileDialogOptions &options) override;
    QString saveFileName(QWidget *parent, const FileDialogOptions &options) override;
    void openUrl(const QUrl &url) override;
    bool print(QWidget *parent, const PrintJob &job) override;
    QDate today() const override;
    QVariant setting(const QString &group, const QString &key) const override;
    void setSetting(const QString &group, const QString &key, const QVariant &value) override;
};

} // namespace orbelle
