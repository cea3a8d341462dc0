// What the driver reports about the machine.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace datacomp {

std::string ProcessorVendor(platform::Registry& registry);
std::string ProcessorName(platform::Registry& registry);
long double ProcessorClockMHz(platform::Scheduler& scheduler);
std::int32_t ProcessorCount(platform::SystemInfo& systemInfo);

// Takes the system's version once, at start-up.
void CaptureOsVersion(platform::SystemInfo& systemInfo);
std::string OperatingSystemName();

}  // namespace datacomp
