#include "driver/time_of_day.h"

#include <cstdint>

#include "kernels/arithmetic_environment.h"

namespace datacomp {

double TimeOfDay(platform::Clock& clock) {
  const platform::LocalTime now = clock.Now();
  const std::int32_t milliseconds =
      now.hour * 3600000 + now.minute * 60000 + now.second * 1000 + now.millisecond;
  return static_cast<double>(ExtendedDivide(milliseconds, 86400000.0L));
}

float ElapsedSecondsBetween(float startTime, float endTime) {
  long double difference = static_cast<long double>(endTime) - static_cast<long double>(startTime);
  if (difference < 0) difference += 1;
  return static_cast<float>(difference * 86400);
}

}  // namespace datacomp
