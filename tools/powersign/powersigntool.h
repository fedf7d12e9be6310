#pragma once

#include "shell/toolcontext.h"
#include "tools/planetsign/planetsigntool.h"

namespace orbelle::powersign {

// Zodiac Power Sign: the sign of Pluto on the birth date.
const planetsign::PlanetSignTool &powerSignTool();

// Opens frmZodiacPowerSignMain, as the launcher does.
void openPowerSignTool(ToolContext &context);

} // namespace orbelle::powersign
