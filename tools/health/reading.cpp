#include "reading.h"

namespace orbelle::health {

HealthReading healthReadingFor(SunSign sign)
{
    const DietProfile &diet = dietProfile(sign);
    return HealthReading{sign, diet.element, fitnessProfile(sign), diet,
                         elementConstitution(diet.element)};
}

} // namespace orbelle::health
