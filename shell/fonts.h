#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace orbelle {

// Verdana as designed, DejaVu Sans where Verdana is not installed.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

// Sets a widget's background and text colours through its palette.
void paintWidget(QWidget *widget, const QColor &background, const QColor &text = Qt::black);

inline const QColor kBeige{0xF4, 0xEA, 0xD2};
inline const QColor kPaleBlue{0xC0, 0xC0, 0xFF};
inline const QColor kLightGrey{0xC0, 0xC0, 0xC0};

} // namespace orbelle
