#include "probe/machine_probes.h"

namespace datacomp {

// Fixed answers until the machine is really probed.
std::string ProcessorVendor(platform::Registry&) { return "Unbekannter Prozessorhersteller"; }
std::string ProcessorName(platform::Registry&) { return "Unbekannter Prozessor"; }
long double ProcessorClockMHz(platform::Scheduler&) { return 0; }
std::int32_t ProcessorCount(platform::SystemInfo&) { return 1; }
void CaptureOsVersion(platform::SystemInfo&) {}
std::string OperatingSystemName() { return "Unbekannte Version"; }

}  // namespace datacomp
