#include "healthtool.h"

#include "healthinputwindow.h"
#include "shell/toolwindowregistry.h"

namespace orbelle::health {

void openHealthTool(ToolContext &context)
{
    context.windows
        .window<HealthInputWindow>(QStringLiteral("frmHealthAstrologyMain"),
                                   [&] { return new HealthInputWindow(context); })
        ->present();
}

} // namespace orbelle::health
