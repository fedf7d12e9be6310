#pragma once

#include "core/birthdata.h"
#include "reading.h"
#include "report/report.h"

namespace orbelle::health {

// The Health report, run by run, from the reading and the person it is for.
Report healthReport(const HealthReading &reading, const BirthData &person,
                    const QString &siteAddress);

} // namespace orbelle::health
