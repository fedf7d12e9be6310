#pragma once

#include <QByteArray>
#include <QString>

namespace orbelle {

// The shift that disguises saved readings and the reminder setting. Shifting
// upwards means a printable character can never turn into CR or LF.
inline constexpr int kScrambleShift = 23;

// Windows-1252 codes of a text; a character without a code is dropped.
QByteArray toWindows1252(const QString &text);
QString fromWindows1252(const QByteArray &codes);

// Shift every code up by the shift constant; a code that would pass 255 is dropped.
QByteArray scrambleCodes(const QByteArray &plain);
// Shift every code down; a code below the shift constant is dropped.
QByteArray unscrambleCodes(const QByteArray &scrambled);

QString ScrambleText(const QString &plain);
QString UnscrambleText(const QString &scrambled);

} // namespace orbelle
