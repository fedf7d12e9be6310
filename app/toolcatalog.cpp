#include "toolcatalog.h"

#include "tools/healingsign/healingsigntool.h"
#include "tools/health/healthtool.h"
#include "tools/powersign/powersigntool.h"

namespace orbelle {

OpenTool toolOpener(ToolId tool)
{
    switch (tool) {
    case ToolId::Health:
        return &health::openHealthTool;
    case ToolId::PowerSign:
        return &powersign::openPowerSignTool;
    case ToolId::HealingSign:
        return &healingsign::openHealingSignTool;
    case ToolId::Financial:
    case ToolId::Flower:
    case ToolId::Food:
    case ToolId::Fruit:
    case ToolId::Yoga:
        break;
    }
    return nullptr;
}

} // namespace orbelle
