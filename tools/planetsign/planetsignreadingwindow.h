#pragma once

#include "planetsigntool.h"
#include "shell/readingwindow.h"

class QLabel;

namespace orbelle::planetsign {

// The reading window of a planet-sign tool: the sign and what it means.
class PlanetSignReadingWindow : public ReadingWindow
{
    Q_OBJECT

public:
    PlanetSignReadingWindow(ToolContext &context, const PlanetSignTool &tool, QWidget *inputWindow);

    // A text that is not a sign name leaves the description as it was.
    void showSign(const QString &sign);

private:
    const PlanetSignTool &m_tool;
    QLabel *m_sign;
    QLabel *m_description;
};

} // namespace orbelle::planetsign
