#include "powersigntool.h"

#include "content.h"
#include "shell/suitestate.h"
#include "tools/planetsign/planetsigninputwindow.h"

namespace orbelle::powersign {

const planetsign::PlanetSignTool &powerSignTool()
{
    static const planetsign::PlanetSignTool tool{
        ToolId::PowerSign,
        "QJ Zodiac Power Sign",
        "frmZodiacPowerSignMain",
        "frmZodiacPowerSignDisplay",
        "QJ Zodiac Power Sign describes your characteristics based on the placement of Pluto in "
        "your birth chart. Pluto is a modern planet which is considered to be the planet of "
        "changes or transformations. This sign describes the start of new beginnings and the end "
        "of all negative issues in life based on the placement of the planet in different signs.",
        "Find My Zodiac &Power Sign",
        "mnuFindPowerSign",
        false,
        "fraPowerSign",
        "Zodiac Power Sign",
        "Label12",
        "Pluto in your Chart is Placed in",
        "lblPowerSign",
        "Label13",
        "Pluto is known as the Planet of Power",
        &plutoTable,
        &powerSignDescription,
        &SuiteState::powerSign,
    };
    return tool;
}

void openPowerSignTool(ToolContext &context)
{
    planetsign::openPlanetSignTool(context, powerSignTool());
}

} // namespace orbelle::powersign
