#pragma once

#include "core/birthdata.h"

#include <QString>

namespace orbelle {

// What the suite keeps between readings for the whole run.
struct SuiteState {
    BirthData birthData; // the last reading of a tool with a report window
    QString powerSign;   // the last Zodiac Power Sign result
    QString healingSign; // the last Zodiac Healing Sign result
};

} // namespace orbelle
