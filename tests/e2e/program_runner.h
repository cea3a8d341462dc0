// Starts the real program in a directory of its own, with standard input from
// given bytes and standard output and error captured, as a user's shell would.
#pragma once

#include <string>
#include <vector>

namespace datacomp::e2e {

// The command that starts the program: DATACOMP_COMMAND, split at blanks
// (for example a Windows executable behind its loader).
std::vector<std::string> ProgramCommand();

// The program's own file name, as its error report names it.
std::string ProgramName();

// A directory as the program shows it: a Windows program under Wine sees
// the root as drive Z:.
std::string ShownPath(const std::string& directory);

// A new empty directory below the system's temporary directory.
std::string MakeWorkDirectory();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

struct Outcome {
  int exitStatus = -1;
  std::string output;
  std::string error;
};

// Runs the program to its end with `input` as standard input. `locale` is the
// child's LC_ALL.
Outcome RunToEnd(const std::string& directory, const std::string& input,
                 const std::string& locale = "C");

// A run that goes on while the test watches it: standard input is a pipe the
// test types into, standard output a terminal (so that every piece of text
// shows at once), standard error a file.
class RunningProgram {
 public:
  explicit RunningProgram(const std::string& directory, const std::string& locale = "C");
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  void Type(const std::string& bytes);
  // Waits until the output ends with `text`; false after `seconds`.
  bool WaitForOutputEnding(const std::string& text, int seconds);
  void Signal(int signal);
  // Closes standard input and waits for the end.
  Outcome Finish();

 private:
  void ReadAvailableOutput();

  std::string directory_;
  int pid_ = -1;
  int inputFd_ = -1;
  int terminalFd_ = -1;
  std::string output_;
};

}  // namespace datacomp::e2e
