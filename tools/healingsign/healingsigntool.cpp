#include "healingsigntool.h"

#include "content.h"
#include "shell/suitestate.h"
#include "tools/planetsign/planetsigninputwindow.h"

namespace orbelle::healingsign {

const planetsign::PlanetSignTool &healingSignTool()
{
    static const planetsign::PlanetSignTool tool{
        ToolId::HealingSign,
        "QJ Zodiac Healing Sign",
        "frmZodiacHealingSignMain",
        "frmZodiacHealingSignDisplay",
        "QJ Zodiac Healing Sign describes your characteristics based on the placement of Chiron "
        "in your birth chart. Chiron describes about the problems that you may have faced in "
        "childhood and how you tend to make an extra effort to overcome them later in life and "
        "help others who may face the same issues.",
        "Find My Zodiac &Healing Sign",
        "mnuFindHealingSign",
        true,
        "fraHealingSign",
        "Zodiac Healing Sign",
        "Label5",
        "Your Chiron is Placed in",
        "lblHealingSign",
        "Label4",
        "Chiron is known as the Healing Planet",
        &chironTable,
        &healingSignDescription,
        &SuiteState::healingSign,
    };
    return tool;
}

void openHealingSignTool(ToolContext &context)
{
    planetsign::openPlanetSignTool(context, healingSignTool());
}

} // namespace orbelle::healingsign
