// Test-only: runs a built program of the suite in a scratch directory and
// captures its exit status and both streams as bytes.
#ifndef TESTS_SUPPORT_PROGRAM_RUNNER_H_
#define TESTS_SUPPORT_PROGRAM_RUNNER_H_

#include <string>
#include <vector>

#include "d88_builder.h"

struct RunResult {
  int status = -1;  // Exit status; -1 when the program did not exit normally.
  std::string out;  // Standard output, bytes as written.
  std::string err;  // Standard error, bytes as written.
};

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const {
    return path_ + "/" + name;
  }
  void Write(const std::string& name, const Bytes& bytes) const;
  // The bytes of file |name|; an empty vector when it cannot be read.
  Bytes Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  // Names of the regular files in the directory, sorted.
  std::vector<std::string> Files() const;

 private:
  std::string path_;
};

// The programs under test are the ones in D88_TEST_BIN_DIR when it is set,
// else the build's own. With D88_TEST_TARGET=windows they are the Windows
// builds (NAME.exe). D88_TEST_RUNNER, when set, is the command that runs
// them, words separated by spaces (e.g. "wine"): it gets the program's path
// and then the arguments.
bool TestingWindowsPrograms();

// True, once it has printed the reason, when the programs under test are
// Windows builds and case |what| of the running test (empty: the whole
// test) shows what only a POSIX system does. windows_skips.cc lists such
// cases by name.
bool SkipOnWindows(const std::string& what = "");

// The path of the built program |name| (e.g. "d88sect").
std::string ProgramPath(const std::string& name);

// Runs program |name| with argument 0 set to |name| and then |args|, in the
// directory |cwd|, with no standard input. Through a runner, argument 0 is
// whatever the runner makes of the program's path. For Windows programs each
// CR LF of the streams is taken as LF, and an LF without its CR is marked
// so that it cannot pass for one.
RunResult RunProgram(const std::string& name,
                     const std::vector<std::string>& args,
                     const std::string& cwd);

#endif  // TESTS_SUPPORT_PROGRAM_RUNNER_H_
