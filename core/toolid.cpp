#include "toolid.h"

namespace orbelle {

namespace {

constexpr std::array<ToolDescriptor, 8> kTools{{
    {ToolId::Financial, "Financial Astrology", "financial", "frmFinancialAstrologyMain", false},
    {ToolId::Flower, "Flower Astrology", "flower", "frmFlowerAstrologyMain", false},
    {ToolId::Food, "Food Astrology", "food", "frmFoodAstrologyMain", true},
    {ToolId::Fruit, "Fruit Astrology", "fruit", "frmFruitAstrologyMain", true},
    {ToolId::Health, "Health Astrology", "health", "frmHealthAstrologyMain", true},
    {ToolId::PowerSign, "Zodiac Power Sign", "powersign", "frmZodiacPowerSignMain", false},
    {ToolId::HealingSign, "Zodiac Healing Sign", "healingsign", "frmZodiacHealingSignMain", true},
    {ToolId::Yoga, "Zodiac Yoga", "yoga", "frmZodiacYogaMain", true},
}};

} // namespace

const ToolDescriptor &toolDescriptor(ToolId id)
{
    return kTools[static_cast<std::size_t>(toolIndex(id))];
}

std::optional<ToolId> toolFromCommandName(const QString &name)
{
    for (const ToolDescriptor &tool : kTools) {
        if (name == QLatin1String(tool.commandName))
            return tool.id;
    }
    return std::nullopt;
}

} // namespace orbelle
