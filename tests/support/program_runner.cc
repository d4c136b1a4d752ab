#include "program_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A Windows program's stream as the same program writes it elsewhere: every
// CR LF becomes LF; an LF that came without CR is marked.
std::string FromWindowsText(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += '\n';
      ++i;
    } else if (text[i] == '\n') {
      out += "[LF without CR]\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

ScratchDir::ScratchDir() {
  std::string pattern = (fs::temp_directory_path() / "d88test.XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a scratch directory");
  }
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code error;
  fs::remove_all(path_, error);
}

void ScratchDir::Write(const std::string& name, const Bytes& bytes) const {
  std::ofstream out(*this / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

Bytes ScratchDir::Read(const std::string& name) const {
  std::ifstream in(*this / name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

bool ScratchDir::Exists(const std::string& name) const {
  return fs::exists(*this / name);
}

std::vector<std::string> ScratchDir::Files() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_)) {
    if (entry.is_regular_file()) names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool TestingWindowsPrograms() {
  const char* target = getenv("D88_TEST_TARGET");
  return target != nullptr && std::string(target) == "windows";
}

std::string ProgramPath(const std::string& name) {
  const char* dir = getenv("D88_TEST_BIN_DIR");
  return std::string(dir != nullptr ? dir : D88_TEST_BIN_DIR) + "/" + name +
         (TestingWindowsPrograms() ? ".exe" : "");
}

RunResult RunProgram(const std::string& name,
                     const std::vector<std::string>& args,
                     const std::string& cwd) {
  // The streams go to files outside |cwd|, so they never show among the
  // files that the program wrote.
  const ScratchDir streams;
  const std::string outPath = streams / "stdout";
  const std::string errPath = streams / "stderr";
  const std::string program = ProgramPath(name);

  std::vector<std::string> words;
  if (const char* runner = getenv("D88_TEST_RUNNER")) {
    std::istringstream command(runner);
    for (std::string word; command >> word;) words.push_back(word);
  }
  const bool viaRunner = !words.empty();
  if (viaRunner) {
    words.push_back(program);
  } else {
    words.push_back(name);
  }
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
        dup2(err, 2) < 0 || chdir(cwd.c_str()) != 0) {
      _exit(127);
    }
    if (viaRunner) {
      execvp(argv[0], argv.data());
    } else {
      execv(program.c_str(), argv.data());
    }
    _exit(127);
  }
  RunResult result;
  int wstatus = 0;
  if (pid > 0 && waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) {
    result.status = WEXITSTATUS(wstatus);
  }
  result.out = ReadText(outPath);
  result.err = ReadText(errPath);
  if (TestingWindowsPrograms()) {
    result.out = FromWindowsText(result.out);
    result.err = FromWindowsText(result.err);
  }
  return result;
}
