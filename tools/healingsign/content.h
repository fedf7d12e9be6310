#pragma once

#include "core/signchangetable.h"
#include "core/sunsign.h"

namespace orbelle::healingsign {

// Chiron's sign changes, 1 January 1930 to 31 December 2010.
const SignChangeTable &chironTable();

// The problems Chiron in that sign stands for and how to overcome them.
const char *healingSignDescription(SunSign sign);

} // namespace orbelle::healingsign
