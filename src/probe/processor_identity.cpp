#include <limits>
#include <vector>

#include "kernels/errors.h"
#include "probe/machine_probes.h"

namespace datacomp {
namespace {

constexpr long kErrorSuccess = 0;
constexpr platform::RegistryKey kNoKey = 0;

// The processor key of one probe: opened once, closed once, also when an
// error leaves the probe. A failed open leaves no key, and every read of
// the probe then fails as a read against no key does.
class ProcessorKey {
 public:
  explicit ProcessorKey(platform::Registry& registry) : registry_(registry) {
    open_ = registry_.OpenProcessorKey(key_) == kErrorSuccess;
    if (!open_) key_ = kNoKey;
  }
  ~ProcessorKey() {
    if (open_) registry_.CloseKey(key_);
  }
  ProcessorKey(const ProcessorKey&) = delete;
  ProcessorKey& operator=(const ProcessorKey&) = delete;

  std::string Read(const std::string& valueName) {
    return ReadRegistryText(registry_, key_, valueName);
  }

 private:
  platform::Registry& registry_;
  platform::RegistryKey key_ = kNoKey;
  bool open_ = false;
};

}  // namespace

std::string ReadRegistryText(platform::Registry& registry, platform::RegistryKey key,
                             const std::string& valueName) {
  std::uint32_t type = 0;
  std::uint32_t reportedSize = 0;
  // The size is a signed 32-bit count; a failed query counts as -1.
  const std::int32_t size =
      registry.QueryValueSize(key, valueName, type, reportedSize) == kErrorSuccess
          ? static_cast<std::int32_t>(reportedSize)
          : -1;
  if (size <= 0) return {};

  std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');  // and one NUL beyond
  if (registry.QueryValueData(key, valueName, type, buffer.data(),
                              static_cast<std::uint32_t>(size)) != kErrorSuccess) {
    RaiseRegistryError("Fehler beim Holen der Daten f\xFCr '" + valueName + "'");
  }
  if (type != platform::kRegSz && type != platform::kRegExpandSz) {
    RaiseRegistryError("Ung\xFC" "ltiger Datentyp f\xFCr '" + valueName + "'");
  }
  return std::string(buffer.data());  // up to the first NUL
}

std::string ProcessorVendor(platform::Registry& registry) {
  ProcessorKey key(registry);
  const std::string vendor = key.Read("VendorIdentifier");
  return vendor.empty() ? kUnknownVendor : vendor;
}

std::string ProcessorName(platform::Registry& registry) {
  ProcessorKey key(registry);
  const std::string name = key.Read("ProcessorNameString");
  const std::string identifier = key.Read("Identifier");
  if (name.empty() && identifier.empty()) return kUnknownProcessor;
  return name + "/" + identifier;
}

std::int32_t ProcessorCount(platform::SystemInfo& systemInfo) {
  const std::uint32_t count = systemInfo.NumberOfProcessors();
  if (count > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
    RaiseError(ErrorKind::RangeError);
  }
  return static_cast<std::int32_t>(count);
}

}  // namespace datacomp
