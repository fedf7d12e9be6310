#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace orbelle {

class Platform;

// The keystroke filter of a name box: letters go in as capitals, Backspace,
// Enter and Space pass, any other character is refused with the tool's
// message. Keys that type nothing (arrows, Tab, Home, Delete...) and
// shortcuts are not characters and pass untouched.
class NameBoxFilter : public QObject
{
    Q_OBJECT

public:
    NameBoxFilter(QLineEdit *box, Platform &platform, QString refusalMessage);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_box;
    Platform &m_platform;
    QString m_refusalMessage;
};

} // namespace orbelle
