// What the driver reports about the machine, one probe per machine line.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace datacomp {

// Shown when the system names no vendor, or neither a name nor an identifier.
inline constexpr char kUnknownVendor[] = "Unbekannter Prozessorhersteller";
inline constexpr char kUnknownProcessor[] = "Unbekannter Prozessor";

// Reads one text value of the open processor key: empty when the value is
// absent or empty, the registry error when it is no text or cannot be read.
std::string ReadRegistryText(platform::Registry& registry, platform::RegistryKey key,
                             const std::string& valueName);

std::string ProcessorVendor(platform::Registry& registry);
// The name text, "/", the identifier text.
std::string ProcessorName(platform::Registry& registry);
std::int32_t ProcessorCount(platform::SystemInfo& systemInfo);

// Ticks of the time-stamp counter per microsecond across a 500 ms sleep at
// the highest priorities; 0 when anything fails.
long double ProcessorClockMHz(platform::Scheduler& scheduler);

// Takes the system's version once, at start-up; OperatingSystemName names it.
void CaptureOsVersion(platform::SystemInfo& systemInfo);
std::string OperatingSystemName();

}  // namespace datacomp
