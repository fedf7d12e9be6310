#pragma once

#include <QString>

#include <array>
#include <optional>

namespace orbelle {

// The eight tools in launcher order: the number is the index of the tool's
// option button, the index of its option label is the number plus 3.
enum class ToolId {
    Financial = 0,
    Flower,
    Food,
    Fruit,
    Health,
    PowerSign,
    HealingSign,
    Yoga,
};

inline constexpr std::array<ToolId, 8> kAllTools{
    ToolId::Financial, ToolId::Flower,    ToolId::Food,        ToolId::Fruit,
    ToolId::Health,    ToolId::PowerSign, ToolId::HealingSign, ToolId::Yoga,
};

inline constexpr int toolIndex(ToolId id)
{
    return static_cast<int>(id);
}

struct ToolDescriptor {
    ToolId id;
    const char *caption;     // launcher button and option label
    const char *commandName; // the word of the command line
    const char *inputWindow; // form name of the input window
    bool offeredInLauncher;
};

const ToolDescriptor &toolDescriptor(ToolId id);
std::optional<ToolId> toolFromCommandName(const QString &name);

} // namespace orbelle
