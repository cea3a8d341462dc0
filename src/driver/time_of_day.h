// The clock of the timed runs.
#pragma once

#include "platform/platform.h"

namespace datacomp {

// The local time of day as a fraction of a day, in millisecond steps.
double TimeOfDay(platform::Clock& clock);

// (end - start) × 86400 seconds, formed in extended precision from the two
// 32-bit readings and rounded to nearest. A run that passes midnight ends on
// the next day: its negative difference gets one day added.
float ElapsedSecondsBetween(float startTime, float endTime);

}  // namespace datacomp
