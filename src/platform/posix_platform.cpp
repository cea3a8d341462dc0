#include "platform/posix_platform.h"

namespace datacomp::platform {

Platform& SystemPlatform() {
  static PosixConsole console;
  static PosixClock clock;
  static PosixProcess process;
  static PosixFileSystem fileSystem;
  static PosixLocale locale;
  static CpuinfoRegistry registry;
  static PosixSystemInfo systemInfo;
  static PosixScheduler scheduler;
  static Platform platform{console, clock,    process,    fileSystem,
                           locale,  registry, systemInfo, scheduler};
  return platform;
}

}  // namespace datacomp::platform
