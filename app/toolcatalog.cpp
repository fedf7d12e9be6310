#include "toolcatalog.h"

#include "shell/siteaddresses.h"
#include "tools/healingsign/healingsigntool.h"
#include "tools/health/healthtool.h"
#include "tools/health/report.h"
#include "tools/powersign/powersigntool.h"

#include <array>

namespace orbelle {

namespace {

HeadlessReading readHealth(const BirthInput &in)
{
    return {health::healthReport(health::healthReadingFor(sunSignOf(in.month, in.day)),
                                 birthDataOf(in), siteAddress()),
            QString()};
}

HeadlessReading readPlanetSign(const planetsign::PlanetSignTool &tool, const BirthInput &in)
{
    const std::optional<SunSign> sign = tool.table().signOn({in.year, in.month, in.day});
    return {std::nullopt, sign ? planetsign::readingText(tool, *sign) : QString()};
}

HeadlessReading readPowerSign(const BirthInput &in)
{
    return readPlanetSign(powersign::powerSignTool(), in);
}

HeadlessReading readHealingSign(const BirthInput &in)
{
    return readPlanetSign(healingsign::healingSignTool(), in);
}

// Indexed by ToolId, in launcher order.
constexpr std::array<ToolEntry, 8> kTools{{
    {nullptr, nullptr},                                    // Financial
    {nullptr, nullptr},                                    // Flower
    {nullptr, nullptr},                                    // Food
    {nullptr, nullptr},                                    // Fruit
    {&health::openHealthTool, &readHealth},                // Health
    {&powersign::openPowerSignTool, &readPowerSign},       // Power Sign
    {&healingsign::openHealingSignTool, &readHealingSign}, // Healing Sign
    {nullptr, nullptr},                                    // Yoga
}};

} // namespace

const ToolEntry &toolEntry(ToolId tool)
{
    return kTools[std::size_t(toolIndex(tool))];
}

} // namespace orbelle
