#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace orbelle {

// The few control styles the windows are made of, so each window only says
// what it holds.
QPushButton *makeButton(const char *objectName, const QString &caption, QWidget *parent);

// A plain-text label: whatever it shows is never read as markup.
QLabel *makeLabel(const char *objectName, const QString &text, const QFont &font,
                  const QColor &colour, QWidget *parent);

// Read-only, multi-line, beige with black text, scrolling vertically.
QPlainTextEdit *makeReadingBox(const char *objectName, QWidget *parent);

QGroupBox *makeFrame(const char *objectName, const QString &title, const QColor &titleColour,
                     QWidget *parent);

} // namespace orbelle
