#pragma once

#include "shell/toolcontext.h"

namespace orbelle::health {

// Opens the Health input window, as the launcher does when Health is chosen.
void openHealthTool(ToolContext &context);

} // namespace orbelle::health
