#include "e2e/program_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace datacomp::e2e {
namespace {

constexpr char kOutputName[] = ".stdout";
constexpr char kErrorName[] = ".stderr";

// What a terminal shows without its control sequences (ESC [ ... letter),
// which Wine's console writes around the text.
std::string WithoutTerminalControls(const std::string& text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\x1B' && i + 1 < text.size() && text[i + 1] == '[') {
      i += 2;
      while (i < text.size() && !std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
      continue;
    }
    shown += text[i];
  }
  return shown;
}

// Starts the program with standard input from `inputFd`, output to
// `outputFd` or else a file, error to a file; the files lie beside the work
// directory, not in it.
int Spawn(const std::string& directory, int inputFd, const std::string& locale,
          int outputFd = -1) {
  const std::vector<std::string> command = ProgramCommand();
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int out = outputFd >= 0 ? outputFd
                                  : ::open((directory + "/../" + kOutputName).c_str(),
                                           O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open((directory + "/../" + kErrorName).c_str(),
                           O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(inputFd, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (::chdir(directory.c_str()) != 0) ::_exit(126);
    ::setenv("LC_ALL", locale.c_str(), 1);
    std::vector<char*> argv;
    for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  return pid;
}

// A finished run: its wait status as a shell shows it, what it wrote, and
// standard error from its file beside the work directory.
Outcome OutcomeOf(int waitStatus, std::string output, const std::string& directory) {
  Outcome outcome;
  outcome.exitStatus =
      WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
  outcome.output = std::move(output);
  outcome.error = ReadFile(directory + "/../" + kErrorName);
  return outcome;
}

Outcome Collect(int pid, const std::string& directory) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return OutcomeOf(status, ReadFile(directory + "/../" + kOutputName), directory);
}

}  // namespace

std::vector<std::string> ProgramCommand() {
  const char* command = std::getenv("DATACOMP_COMMAND");
  if (command == nullptr) throw std::runtime_error("DATACOMP_COMMAND is not set");
  std::vector<std::string> parts;
  std::istringstream words(command);
  for (std::string word; words >> word;) parts.push_back(word);
  return parts;
}

std::string ProgramName() {
  const std::string path = ProgramCommand().back();
  return path.substr(path.rfind('/') + 1);
}

std::string ShownPath(const std::string& directory) {
  const std::string name = ProgramName();
  if (name.size() < 4 || name.compare(name.size() - 4, 4, ".exe") != 0) return directory;
  std::string shown = "Z:" + directory;
  for (char& c : shown) {
    if (c == '/') c = '\\';
  }
  return shown;
}

std::string MakeWorkDirectory() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/datacomp-e2e-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  const std::string work = pattern + "/work";
  ::mkdir(work.c_str(), 0755);
  return work;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
}

Outcome RunToEnd(const std::string& directory, const std::string& input,
                 const std::string& locale) {
  const std::string inputPath = directory + "/../.stdin";
  WriteFile(inputPath, input);
  const int inputFd = ::open(inputPath.c_str(), O_RDONLY);
  const int pid = Spawn(directory, inputFd, locale);
  ::close(inputFd);
  return Collect(pid, directory);
}

RunningProgram::RunningProgram(const std::string& directory, const std::string& locale)
    : directory_(directory) {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
  termios raw{};
  ::cfmakeraw(&raw);
  int terminal = -1;
  if (::openpty(&terminalFd_, &terminal, nullptr, &raw, nullptr) != 0) {
    throw std::runtime_error("openpty failed");
  }
  ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
  ::fcntl(terminalFd_, F_SETFD, FD_CLOEXEC);
  pid_ = Spawn(directory, fds[0], locale, terminal);
  ::close(fds[0]);
  ::close(terminal);
  inputFd_ = fds[1];
}

RunningProgram::~RunningProgram() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    Finish();
  }
  if (terminalFd_ >= 0) ::close(terminalFd_);
}

void RunningProgram::Type(const std::string& bytes) {
  if (::write(inputFd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    throw std::runtime_error("typing failed");
  }
}

void RunningProgram::ReadAvailableOutput() {
  pollfd terminal{terminalFd_, POLLIN, 0};
  char buffer[4096];
  while (::poll(&terminal, 1, 0) > 0 && (terminal.revents & POLLIN) != 0) {
    const ssize_t n = ::read(terminalFd_, buffer, sizeof buffer);
    if (n <= 0) break;
    output_.append(buffer, static_cast<std::size_t>(n));
  }
}

bool RunningProgram::WaitForOutputEnding(const std::string& text, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  do {
    ReadAvailableOutput();
    const std::string shown = WithoutTerminalControls(output_);
    if (shown.size() >= text.size() &&
        shown.compare(shown.size() - text.size(), text.size(), text) == 0) {
      return true;
    }
    ::usleep(50000);
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

void RunningProgram::Signal(int signal) { ::kill(pid_, signal); }

Outcome RunningProgram::Finish() {
  if (inputFd_ >= 0) ::close(inputFd_);
  inputFd_ = -1;
  int status = 0;
  while (::waitpid(pid_, &status, WNOHANG) == 0) {
    ReadAvailableOutput();
    ::usleep(20000);
  }
  ReadAvailableOutput();
  pid_ = -1;
  return OutcomeOf(status, output_, directory_);
}

}  // namespace datacomp::e2e
