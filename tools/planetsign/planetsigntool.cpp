#include "planetsigntool.h"

namespace orbelle::planetsign {

QString readingText(const PlanetSignTool &tool, SunSign sign)
{
    QString text = QString::fromUtf8(tool.resultFrameCaption) + QLatin1Char('\n');
    text += QString::fromUtf8(tool.placedCaption) + QStringLiteral(": ") + signName(sign) +
            QLatin1Char('\n');
    text += QString::fromUtf8(tool.knownCaption) + QLatin1Char('\n');
    const QString description = QString::fromUtf8(tool.description(sign));
    if (!description.isEmpty())
        text += description + QLatin1Char('\n');
    return text;
}

} // namespace orbelle::planetsign
