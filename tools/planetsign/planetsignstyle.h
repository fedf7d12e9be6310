#pragma once

#include <QColor>

class QFrame;
class QWidget;

namespace orbelle {
class Platform;
}

namespace orbelle::planetsign::style {

inline const QColor kBackground{0x1A, 0x10, 0x3C};
inline const QColor kFrame{0x2A, 0x1E, 0x5A};
inline const QColor kText{0xF0, 0xE8, 0xFF};
inline const QColor kHighlight{0xFF, 0xD7, 0x00};
inline const QColor kLink{0xA0, 0xD8, 0xFF};

// The framed panels both windows are made of.
QFrame *makePanel(const char *objectName, QWidget *parent);
// Frame2 holds the forum line Label61; Frame5 holds lblCobrand and
// lblFullBrand in a vertical layout, to which a window may add its own.
struct BannerPanels {
    QFrame *forum;  // Frame2
    QFrame *offers; // Frame5
};
BannerPanels makeBannerPanels(Platform &platform, QWidget *parent);

} // namespace orbelle::planetsign::style
