#pragma once

// The fixed Health tables. The Zodiac Yoga tool shows the same texts, so they
// are exposed here rather than kept inside the Health windows.

#include "core/sunsign.h"

#include <array>

namespace orbelle::health {

struct FitnessProfile {
    SunSign sign;
    const char *bodyPart;
    const char *athletic;
    const char *endurance;
    const char *flexibility;
    const char *focus;
    const char *motivation;
    const char *routine;
    const char *teamWork;
    const char *variety;
};

struct DietProfile {
    SunSign sign;
    const char *healthProblems;
    const char *requiredDiet;
    const char *dietToAvoid;
    const char *dietAdvice;
    Element element;
    const char *fitnessAdvice;
};

struct ElementConstitution {
    Element element;
    const char *description;
    const char *excessDescription;
    const char *excessItemsToTake;
    const char *excessItemsToAvoid;
    const char *excessRemedy;
    const char *lowDescription;
    const char *lowItemsToTake;
    const char *lowItemsToAvoid;
    const char *lowRemedy;
};

// Rows in zodiac order (Aries first), elements in the order Fire, Earth, Air, Water.
const std::array<FitnessProfile, 12> &fitnessProfiles();
const std::array<DietProfile, 12> &dietProfiles();
const std::array<ElementConstitution, 4> &elementConstitutions();

const FitnessProfile &fitnessProfile(SunSign sign);
const DietProfile &dietProfile(SunSign sign);
const ElementConstitution &elementConstitution(Element element);

} // namespace orbelle::health
