#pragma once

#include "planetsigntool.h"
#include "shell/inputwindow.h"

namespace orbelle::planetsign {

// The input window of a planet-sign tool: name and date, then the reading.
class PlanetSignInputWindow : public InputWindow
{
    Q_OBJECT

public:
    PlanetSignInputWindow(ToolContext &context, const PlanetSignTool &tool);

protected:
    void makeReading() override;

private:
    const PlanetSignTool &m_tool;
};

// Opens the tool's input window, as the launcher does when the tool is chosen.
void openPlanetSignTool(ToolContext &context, const PlanetSignTool &tool);

} // namespace orbelle::planetsign
