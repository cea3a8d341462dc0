#include <cerrno>
#include <ctime>
#include <langinfo.h>
#include <locale.h>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <x86intrin.h>

#include <climits>
#include <vector>

#include "platform/posix_platform.h"

namespace datacomp::platform {

LocalTime PosixClock::Now() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  ::localtime_r(&now.tv_sec, &local);
  return LocalTime{local.tm_hour, local.tm_min, local.tm_sec,
                   static_cast<int>(now.tv_nsec / 1000000)};
}

std::string PosixProcess::CurrentDirectory(int& errorCode) {
  std::vector<char> buffer(256);
  for (;;) {
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
      errorCode = 0;
      return std::string(buffer.data());
    }
    if (errno != ERANGE) {
      errorCode = WindowsErrorCode(errno);
      return {};
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string PosixProcess::ProgramFileName() {
  std::vector<char> buffer(PATH_MAX);
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (n <= 0) return "datacomp";
  std::string path(buffer.data(), static_cast<std::size_t>(n));
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> PosixLocale::Text(LocaleItem item) {
  locale_t locale = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return std::nullopt;
  std::string text =
      ::nl_langinfo_l(item == LocaleItem::DecimalSeparator ? RADIXCHAR : THOUSEP, locale);
  ::freelocale(locale);
  return text;
}

std::uint32_t PosixSystemInfo::NumberOfProcessors() {
  const long count = ::sysconf(_SC_NPROCESSORS_ONLN);
  return count > 0 ? static_cast<std::uint32_t>(count) : 1;
}

std::optional<OsVersion> PosixSystemInfo::Version() {
  utsname names{};
  if (::uname(&names) != 0) return std::nullopt;
  OsVersion version;
  version.systemName = names.sysname;
  version.servicePack = names.release;
  return version;
}

// The process's nice value stands for its priority class (nice + 21, never the
// realtime class's number); the thread's policy and priority for its priority
// (policy × 256 + priority, never the time-critical number).
std::uint64_t PosixScheduler::TimeStampCounter() { return __rdtsc(); }

std::uint32_t PosixScheduler::GetPriorityClass() {
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, 0);
  return static_cast<std::uint32_t>((errno == 0 ? nice : 0) + 21);
}

void PosixScheduler::SetPriorityClass(std::uint32_t priorityClass) {
  const int nice = priorityClass == kRealtimePriorityClass ? -20
                                                           : static_cast<int>(priorityClass) - 21;
  ::setpriority(PRIO_PROCESS, 0, nice);
}

std::int32_t PosixScheduler::GetThreadPriority() {
  int policy = SCHED_OTHER;
  sched_param param{};
  if (::pthread_getschedparam(::pthread_self(), &policy, &param) != 0) return 0;
  return policy * 256 + param.sched_priority;
}

void PosixScheduler::SetThreadPriority(std::int32_t priority) {
  sched_param param{};
  int policy = priority / 256;
  param.sched_priority = priority % 256;
  if (priority == kThreadPriorityTimeCritical) {
    policy = SCHED_FIFO;
    param.sched_priority = ::sched_get_priority_max(SCHED_FIFO);
  }
  ::pthread_setschedparam(::pthread_self(), policy, &param);
}

void PosixScheduler::Sleep(std::uint32_t milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1000000L};
  while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

}  // namespace datacomp::platform
