#pragma once

#include "shell/toolcontext.h"
#include "tools/planetsign/planetsigntool.h"

namespace orbelle::healingsign {

// Zodiac Healing Sign: the sign of Chiron on the birth date.
const planetsign::PlanetSignTool &healingSignTool();

// Opens frmZodiacHealingSignMain, as the launcher does.
void openHealingSignTool(ToolContext &context);

} // namespace orbelle::healingsign
