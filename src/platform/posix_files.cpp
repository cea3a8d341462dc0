#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix_platform.h"

namespace datacomp::platform {

int WindowsErrorCode(int posixErrno) {
  switch (posixErrno) {
    case ENOENT:
      return kErrorFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return kErrorPathNotFound;
    case EMFILE:
    case ENFILE:
      return kErrorTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return kErrorAccessDenied;
    case EWOULDBLOCK:
      return kErrorSharingViolation;
    case ENOSPC:
    case EDQUOT:
      return kErrorDiskFull;
    case EPIPE:  // its number would read as the sharing violation
      return kErrorBrokenPipe;
    default:
      return posixErrno;
  }
}

namespace {

// Holds the file against a second writer for as long as it is open; another
// execution's lock attempt fails at once with the sharing code.
int LockExclusively(int fd) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return WindowsErrorCode(errno);
  }
  return 0;
}

int OpenLocked(const std::string& name, int flags, FileHandle& handle) {
  const int fd = ::open(name.c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) return WindowsErrorCode(errno);
  if (const int code = LockExclusively(fd); code != 0) {
    ::close(fd);
    return code;
  }
  handle = fd;
  return 0;
}

}  // namespace

bool PosixFileSystem::FileExists(const std::string& name) {
  struct stat st {};
  return ::stat(name.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

int PosixFileSystem::OpenForAppend(const std::string& name, FileHandle& handle) {
  if (const int code = OpenLocked(name, O_RDWR, handle); code != 0) return code;
  if (::lseek(static_cast<int>(handle), 0, SEEK_END) < 0) {
    const int code = WindowsErrorCode(errno);
    ::close(static_cast<int>(handle));
    return code;
  }
  return 0;
}

int PosixFileSystem::Create(const std::string& name, FileHandle& handle) {
  // Truncated only once the lock is held, so that a file another execution
  // holds open keeps its bytes.
  if (const int code = OpenLocked(name, O_WRONLY | O_CREAT, handle); code != 0) return code;
  if (::ftruncate(static_cast<int>(handle), 0) != 0) {
    const int code = WindowsErrorCode(errno);
    ::close(static_cast<int>(handle));
    return code;
  }
  return 0;
}

int WriteAllBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return WindowsErrorCode(errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int PosixFileSystem::Write(FileHandle handle, std::string_view bytes) {
  return WriteAllBytes(static_cast<int>(handle), bytes);
}

int PosixFileSystem::Close(FileHandle handle) {
  if (::close(static_cast<int>(handle)) != 0) return WindowsErrorCode(errno);
  return 0;
}

}  // namespace datacomp::platform
