#pragma once

#include "core/toolid.h"
#include "shell/toolcontext.h"

namespace orbelle {

// How the launcher opens each tool; nullptr for a tool not in this build.
using OpenTool = void (*)(ToolContext &);
OpenTool toolOpener(ToolId tool);

} // namespace orbelle
