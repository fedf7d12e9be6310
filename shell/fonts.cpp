#include "fonts.h"

#include <QFontDatabase>
#include <QWidget>

namespace orbelle {

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    // Asking for a family that is not installed makes every font lookup search
    // for fallbacks, so Verdana is named only where it exists.
    static const QStringList families =
        QFontDatabase::hasFamily(QStringLiteral("Verdana"))
            ? QStringList{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}
            : QStringList{QStringLiteral("DejaVu Sans")};
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void paintWidget(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace orbelle
