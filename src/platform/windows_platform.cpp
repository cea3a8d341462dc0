#include "platform/windows_platform.h"

namespace datacomp::platform {

Platform& SystemPlatform() {
  static WindowsConsole console;
  static WindowsClock clock;
  static WindowsProcess process;
  static WindowsFileSystem fileSystem;
  static WindowsLocale locale;
  static WindowsRegistry registry;
  static WindowsSystemInfo systemInfo;
  static WindowsScheduler scheduler;
  static Platform platform{console, clock,    process,    fileSystem,
                           locale,  registry, systemInfo, scheduler};
  return platform;
}

}  // namespace datacomp::platform
