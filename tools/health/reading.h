#pragma once

#include "content.h"

namespace orbelle::health {

// A Health reading: the rows of the three tables that the sign selects.
struct HealthReading {
    SunSign sign;
    Element element;
    FitnessProfile fitness;
    DietProfile diet;
    ElementConstitution constitution;
};

HealthReading healthReadingFor(SunSign sign);

} // namespace orbelle::health
