#pragma once

#include "sunsign.h"

#include <cstddef>

namespace orbelle {

// One text of a per-sign table.
struct SignText {
    SunSign sign;
    const char *text;
};

// The text of that sign, or "" when the table has none.
template <std::size_t N> constexpr const char *textForSign(const SignText (&table)[N], SunSign sign)
{
    for (const SignText &entry : table) {
        if (entry.sign == sign)
            return entry.text;
    }
    return "";
}

} // namespace orbelle
