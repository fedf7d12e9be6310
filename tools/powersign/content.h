#pragma once

#include "core/signchangetable.h"
#include "core/sunsign.h"

namespace orbelle::powersign {

// Pluto's sign changes, 1 January 1900 to 31 December 2022.
const SignChangeTable &plutoTable();

// What Pluto in that sign brings; empty for the signs Pluto never visits in the table.
const char *powerSignDescription(SunSign sign);

} // namespace orbelle::powersign
