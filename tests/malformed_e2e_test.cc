// Every program on D88 files broken in the ways that files in the wild are
// (odd_images.h), on things that are not files, and with outputs that
// cannot be written. Whatever it is given, a program ends with its
// documented messages and exit status, and no output file holds a byte that
// the program did not read from the D88 file (d88sect: but for the zeros
// after a run that stopped early).
//
// The cases that need what only a POSIX system has (devices, symbolic
// links, a directory given as a file, another user) are in the tests named
// MalformedPosixOnlyTest, to be skipped by name elsewhere.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

#include "cutter_run.h"
#include "d88_builder.h"
#include "messages.h"
#include "odd_images.h"
#include "program_runner.h"

namespace fs = std::filesystem;

namespace {

// Answers whether a file is made of pieces of a D88 file: walks the file
// taking at each point the longest piece of the D88 file that starts there.
class ImageBytes {
 public:
  explicit ImageBytes(const Bytes& image) : image_(image) {
    for (size_t p = 0; p + kKey <= image_.size(); ++p) {
      starts_[Key(image_.data() + p)].push_back(p);
    }
  }

  // True when |out| is pieces of the image, then (only if |zeroTail|) zero
  // bytes to its end.
  bool Supplied(const Bytes& out, bool zeroTail) const {
    size_t i = 0;
    while (i < out.size()) {
      const size_t piece = LongestPiece(out, i);
      if (piece == 0) break;
      i += piece;
    }
    for (; i < out.size(); ++i) {
      if (!zeroTail || out[i] != 0) return false;
    }
    return true;
  }

 private:
  static constexpr size_t kKey = 8;
  static uint64_t Key(const uint8_t* p) {
    uint64_t key;
    memcpy(&key, p, kKey);
    return key;
  }
  size_t LongestPiece(const Bytes& out, size_t at) const {
    auto match = [&](size_t p) {
      size_t n = 0;
      while (at + n < out.size() && p + n < image_.size() &&
             out[at + n] == image_[p + n]) {
        ++n;
      }
      return n;
    };
    size_t best = 0;
    if (out.size() - at < kKey) {  // Too short for the index: look at all.
      for (size_t p = 0; p < image_.size(); ++p)
        best = std::max(best, match(p));
      return best;
    }
    const auto found = starts_.find(Key(out.data() + at));
    if (found == starts_.end()) return 0;
    for (size_t p : found->second) best = std::max(best, match(p));
    return best;
  }

  const Bytes& image_;
  std::unordered_map<uint64_t, std::vector<size_t>> starts_;
};

const Bytes& Odd(const std::string& name) {
  static const std::vector<OddImage> images = OddImages();
  for (const OddImage& image : images) {
    if (image.name == name) return image.bytes;
  }
  throw std::invalid_argument("no odd image " + name);
}

std::string Progress(int disk, int track, int sector, int size, int offset) {
  char line[256];
  snprintf(line, sizeof line, kMsgSectProgress, disk, track, sector, size,
           offset);
  return line;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
  return lines;
}

Bytes Zeros(size_t n) { return Fill(n, 0); }

struct SectCase {
  const char* image;
  std::vector<std::string> args;  // After the D88 file and the output.
  std::string err;                // Empty: the run succeeds.
  Bytes want;                     // The output file, when it succeeds.
};

TEST(MalformedInputTest, D88SectOnOddImages) {
  const D88Disk base = OddBase();
  auto text = [](int track, int r, size_t size = 256) {
    return SectorText("odd", track, r, size);
  };
  const SectCase kCases[] = {
      {"empty file", {"0", "0", "1"}, kMsgNoSuchDisk, {}},
      {"shorter than a header", {"0", "0", "1"}, kMsgNoSuchDisk, {}},
      {"header only", {"0", "0", "1"}, kMsgTrackNotFormatted, {}},
      // Sectors 1 to 3 are whole; the range ends at 3, and track 1 is
      // past the end of the file.
      {"truncated in a record header",
       {"0", "0", "1", "1024"},
       "",
       Concat({base.Run(0, 1, 768), Zeros(256)})},
      {"truncated in a record header", {"0", "0", "4"}, kMsgNoSuchSector, {}},
      // Sector 3 has 100 of its bytes.
      {"truncated in sector data",
       {"0", "0", "2", "768"},
       "",
       Concat({text(0, 2), Truncated(text(0, 3), 100), Zeros(412)})},
      {"truncated in sector data", {"0", "0", "3"}, kMsgNoSuchSector, {}},
      {"track entry past the end of the file",
       {"0", "1", "1"},
       kMsgTrackNotFormatted,
       {}},
      {"track entry past the end of the file",
       {"0", "0", "16", "512"},
       "",
       Concat({text(0, 16), Zeros(256)})},
      {"track entry past the disk size",
       {"0", "1", "1"},
       kMsgTrackNotFormatted,
       {}},
      {"track entry past the disk size", {"0", "0", "1"}, "", text(0, 1)},
      {"disk size 0", {"63", "0", "1"}, kMsgTrackNotFormatted, {}},
      {"disk size 0", {"64", "0", "1"}, kMsgNoSuchDisk, {}},
      {"disk size 688", {"0", "0", "16"}, "", text(0, 16)},
      {"disk size 688", {"0", "1", "1"}, kMsgTrackNotFormatted, {}},
      {"disk size 0x7FFFFFFF", {"0", "1", "16"}, "", text(1, 16)},
      {"disk size 0x7FFFFFFF", {"1", "0", "1"}, kMsgNoSuchDisk, {}},
      {"disk size 0xFFFFFFFF", {"0", "0", "1"}, kMsgTrackNotFormatted, {}},
      {"disk size 0xFFFFFFFF", {"1", "0", "1"}, kMsgNoSuchDisk, {}},
      // The listing goes past a count of 0; a read stops at it.
      {"sector count 0", {"0", "0", "1"}, kMsgNoSuchSector, {}},
      {"sector count 0", {"0", "0", "9"}, kMsgNoSuchSector, {}},
      // No record ends track 0's walk: the listing runs on into track 1.
      {"sector count 65535", {"0", "0", "1", "4608"}, "", base.Run(0, 1, 4608)},
      // Sector 2 hands out the first 256 of the bytes it claims; the walk
      // to sector 3 leaves the file.
      {"data size beyond the file",
       {"0", "0", "1", "768"},
       "",
       Concat({text(0, 1), text(0, 2), text(1, 1)})},
      {"data size beyond the file", {"0", "0", "3"}, kMsgNoSuchSector, {}},
      {"more than 64 images", {"63", "0", "1"}, "", text(0, 1)},
      {"more than 64 images", {"64", "0", "1"}, kMsgNoSuchDisk, {}},
      {"odd sizes", {"0", "0", "5"}, kMsgNoSuchSector, {}},
      {"odd sizes", {"0", "1", "2"}, "", text(1, 2, 512)},
      {"odd sizes", {"0", "1", "5"}, "", text(1, 5, 128)},
      {"odd sizes", {"0", "1", "6"}, kMsgBadSizeOffset, {}},
      {"odd sizes", {"0", "1", "6", "16"}, "", Fill(16, 0x24)},
  };
  for (const SectCase& c : kCases) {
    SCOPED_TRACE(std::string(c.image) + ", " + c.args[0] + " " + c.args[1] +
                 " " + c.args[2]);
    const Bytes& image = Odd(c.image);
    ScratchDir dir;
    dir.Write("in.d88", image);
    std::vector<std::string> args = {"in.d88", "out"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult run = RunProgram("d88sect", args, dir.path());
    EXPECT_EQ(c.err, run.err);
    if (c.err.empty()) {
      EXPECT_EQ(0, run.status);
      const int size = c.args.size() > 3 ? std::stoi(c.args[3]) : 0;
      EXPECT_EQ(Progress(std::stoi(c.args[0]), std::stoi(c.args[1]),
                         std::stoi(c.args[2]),
                         size > 0 ? size : int(c.want.size()), 0),
                run.out);
      const Bytes out = dir.Read("out");
      EXPECT_EQ(c.want, out);
      EXPECT_TRUE(ImageBytes(image).Supplied(out, true));
      EXPECT_EQ((std::vector<std::string>{"in.d88", "out"}), dir.Files());
    } else {
      EXPECT_EQ(1, run.status);
      EXPECT_EQ("", run.out);
      EXPECT_EQ(std::vector<std::string>{"in.d88"}, dir.Files());
    }
  }
}

// A disk of each title program's set that the program cuts files from:
// the identification byte at its place on a formatted disk. The first cut
// of the disk makes the file |firstFile|.
struct TitleDisk {
  const char* program;
  int track, r;
  size_t offset;
  uint8_t id;
  const char* firstFile;
};
constexpr TitleDisk kTitleDisks[] = {
    {"ripa", 0, 16, 0, 0x67, "PROG"},  {"ripb", 63, 16, 1, 0x7F, "DRIVER"},
    {"ripc", 0, 1, 0, 0xDB, "DRIVER"}, {"ripd", 0, 1, 0, 0x00, "PROG"},
    {"ripe", 0, 16, 0, 0x0A, "PROG"},  {"ripf", 0, 16, 15, 'A', "PROG1"},
    {"ripg", 0, 16, 0, 'B', "DRIVER"}, {"riph", 0, 16, 0, 0x00, "PROG"},
    {"ripi", 0, 16, 0, 'C', "PROG2"},
};

Bytes TitleImage(const TitleDisk& t) {
  return IdDisk(t.program, t.track, t.r, t.offset, t.id).Build();
}

// Every line a title program may print on standard output besides the
// "cutting ..." lines.
const std::vector<std::string>& DiskMessages() {
  static const std::vector<std::string> messages = {
      kMsgUnknownDisk, kMsgDiskA,        kMsgDiskB,           kMsgDiskC,
      kMsgDiskD,       kMsgDiskE,        kMsgDiskF,           kMsgDiskG,
      kMsgDiskH,       kMsgUserDisk,     kMsgDiskBOrUserDisk, kMsgProgramDisk,
      kMsgData1Disk,   kMsgData2Disk,    kMsgData3Disk,       kMsgData4Disk,
      kMsgData5Disk,   kMsgOpeningADisk, kMsgOpeningBDisk,
  };
  return messages;
}

// Checks a title program's run on |image| that opened the file: its lines
// are documented messages, each file it wrote was announced and holds only
// bytes of the image, and a file cut short is reported with its size.
// Returns the names announced.
std::vector<std::string> CheckTitleRun(const CutterRun& run,
                                       const Bytes& image) {
  std::vector<std::string> announced;
  for (const std::string& line : Lines(run.result.out)) {
    if (line.rfind("cutting ... ", 0) == 0) {
      const std::string name = line.substr(12, line.size() - 13);
      EXPECT_EQ(Cutting(name), line);
      announced.push_back(name);
    } else {
      const auto& known = DiskMessages();
      EXPECT_NE(known.end(), std::find(known.begin(), known.end(), line))
          << line;
    }
  }
  const std::optional<ImageBytes> supplied =
      run.files.empty() ? std::nullopt : std::optional<ImageBytes>(image);
  for (const auto& [name, bytes] : run.files) {
    SCOPED_TRACE(name);
    EXPECT_NE(announced.end(),
              std::find(announced.begin(), announced.end(), name));
    EXPECT_TRUE(supplied->Supplied(bytes, false));
  }
  for (const std::string& line : Lines(run.result.err)) {
    if (line == kMsgCannotOpen || line == kMsgCannotWrite) continue;
    // "NAME は途中までしか読めませんでした (GOT / WANTED バイト).\n"
    const std::string name = line.substr(0, line.find(' '));
    int got = -1, wanted = -1;
    const size_t numbers = line.find('(');
    if (numbers != std::string::npos) {
      sscanf(line.c_str() + numbers, "(%d / %d", &got, &wanted);
    }
    char expected[256];
    snprintf(expected, sizeof expected, kMsgPartialCut, name.c_str(), got,
             wanted);
    EXPECT_EQ(expected, line);
    const auto file = run.files.find(name);
    EXPECT_NE(run.files.end(), file) << line;
    if (file != run.files.end()) {
      EXPECT_EQ(size_t(got), file->second.size());
    }
    EXPECT_LT(got, wanted);
  }
  return announced;
}

TEST(MalformedInputTest, TitleProgramsOnOddImages) {
  for (const TitleDisk& t : kTitleDisks) {
    SCOPED_TRACE(t.program);
    const Bytes good = TitleImage(t);
    // The title's own disk, cut short or with broken records, and the
    // images that every program gets.
    std::vector<OddImage> images = OddImages();
    images.push_back(
        {"title disk cut in half", Truncated(good, good.size() / 2)});
    images.push_back({"title disk cut in a record header",
                      Truncated(good, kOddTrack1 + 5 * kOddRecordSize + 7)});
    D88Disk broken = IdDisk(t.program, t.track, t.r, t.offset, t.id);
    for (int track = 1; track < 79; track += 2) {
      broken.Sector(track, 3).count = 0;
      broken.Sector(track + 1, 9).dataSize = 0xFFFF;
    }
    images.push_back({"title disk with broken records", broken.Build()});

    for (const OddImage& image : images) {
      SCOPED_TRACE(image.name);
      const CutterRun run = RunCutter(t.program, image.bytes);
      EXPECT_EQ(0, run.result.status);
      if (image.bytes.size() < D88Disk::kHeaderSize) {
        EXPECT_EQ("", run.result.out);
        EXPECT_EQ("", run.result.err);
        EXPECT_EQ(Files{}, run.files);
      }
      for (const std::string& name : CheckTitleRun(run, image.bytes)) {
        EXPECT_EQ(1, run.files.count(name)) << name;
      }
    }
  }
}

// setpriv can run a program as a user without privileges, for whom file
// modes stop writes; tests run as root, for whom they do not.
bool CanDropPrivileges() {
  return getuid() == 0 && system("setpriv --version >/dev/null 2>&1") == 0;
}

// RunProgram, with |program| started by setpriv as user nobody: through a
// script of the program's name in a directory that stands in for the
// programs' one while it runs.
RunResult RunUnprivileged(const std::string& program,
                          const std::vector<std::string>& args,
                          const std::string& cwd) {
  const ScratchDir bin;
  const std::string script = bin / program;
  FILE* f = fopen(script.c_str(), "w");
  if (f == nullptr) return {};
  fprintf(f,
          "#!/bin/sh\nexec setpriv --reuid=nobody --regid=nogroup "
          "--clear-groups '%s' \"$@\"\n",
          ProgramPath(program).c_str());
  fclose(f);
  chmod(script.c_str(), 0755);
  const char* saved = getenv("D88_TEST_BIN_DIR");
  const std::optional<std::string> programs =
      saved != nullptr ? std::optional<std::string>(saved) : std::nullopt;
  setenv("D88_TEST_BIN_DIR", bin.path().c_str(), 1);
  const RunResult run = RunProgram(program, args, cwd);
  if (programs) {
    setenv("D88_TEST_BIN_DIR", programs->c_str(), 1);
  } else {
    unsetenv("D88_TEST_BIN_DIR");
  }
  return run;
}

// A scratch directory that user nobody can read but not write.
struct ReadOnlyDir {
  ScratchDir dir;
  explicit ReadOnlyDir(const Bytes& image) {
    dir.Write("in.d88", image);
    chmod(dir.path().c_str(), 0555);
  }
};

TEST(MalformedPosixOnlyTest, D88SectOnDevicesAndDirectories) {
  if (SkipOnWindows()) GTEST_SKIP();
  const Bytes image = OddBase().Build();
  const std::string progress = Progress(0, 0, 1, 256, 0);
  const struct {
    const char* what;
    std::string input;
    std::string out, err;
  } kCases[] = {
      {"a directory as the D88 file", "sub", "", kMsgCannotOpen},
      {"an empty device as the D88 file", "/dev/null", "", kMsgNoSuchDisk},
      // Endless zeros: 64 disks of size 0 without tracks.
      {"an endless device as the D88 file", "/dev/zero", "",
       kMsgTrackNotFormatted},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    ScratchDir dir;
    fs::create_directory(dir / "sub");
    const RunResult run =
        RunProgram("d88sect", {c.input, "out", "0", "0", "1"}, dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(c.out, run.out);
    EXPECT_EQ(c.err, run.err);
    EXPECT_EQ(std::vector<std::string>{}, dir.Files());
  }
}

TEST(MalformedPosixOnlyTest, D88SectOnOutputsThatCannotBeWritten) {
  if (SkipOnWindows()) GTEST_SKIP();
  const Bytes image = OddBase().Build();
  const std::string progress = Progress(0, 0, 1, 256, 0);
  {
    SCOPED_TRACE("output is an existing directory");
    ScratchDir dir;
    dir.Write("in.d88", image);
    fs::create_directory(dir / "out");
    const RunResult run =
        RunProgram("d88sect", {"in.d88", "out", "0", "0", "1"}, dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(progress, run.out);
    EXPECT_EQ(kMsgCannotOpen, run.err);
    EXPECT_TRUE(fs::is_directory(dir / "out"));
    EXPECT_TRUE(fs::is_empty(dir / "out"));
  }
  {
    SCOPED_TRACE("output is a link to a full device");
    ScratchDir dir;
    dir.Write("in.d88", image);
    fs::create_symlink("/dev/full", dir / "out");
    const RunResult run =
        RunProgram("d88sect", {"in.d88", "out", "0", "0", "1"}, dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(progress, run.out);
    EXPECT_EQ(kMsgCannotWrite, run.err);
    EXPECT_EQ("/dev/full", fs::read_symlink(dir / "out"));
  }
}

TEST(MalformedPosixOnlyTest, TitleProgramsOnDevicesAndDirectories) {
  if (SkipOnWindows()) GTEST_SKIP();
  for (const TitleDisk& t : kTitleDisks) {
    SCOPED_TRACE(t.program);
    for (const char* input : {"sub", "/dev/null", "/dev/zero"}) {
      SCOPED_TRACE(input);
      ScratchDir dir;
      fs::create_directory(dir / "sub");
      const RunResult run = RunProgram(t.program, {input}, dir.path());
      const bool directory = std::string(input) == "sub";
      EXPECT_EQ(directory ? 1 : 0, run.status);
      EXPECT_EQ(directory ? kMsgCannotOpen : "", run.err);
      // /dev/zero: 64 disks, none with a track, so none recognised.
      for (const std::string& line : Lines(run.out)) {
        EXPECT_EQ(kMsgUnknownDisk, line);
      }
      EXPECT_EQ(std::vector<std::string>{}, dir.Files());
    }
  }
}

TEST(MalformedPosixOnlyTest, TitleProgramsOnOutputsThatCannotBeWritten) {
  if (SkipOnWindows()) GTEST_SKIP();
  for (const TitleDisk& t : kTitleDisks) {
    SCOPED_TRACE(t.program);
    const Bytes image = TitleImage(t);
    const struct {
      const char* what;
      void (*prepare)(const fs::path& file);
      const char* err;
    } kCases[] = {
        {"an existing directory",
         [](const fs::path& file) { fs::create_directory(file); },
         kMsgCannotOpen},
        {"a link to a full device",
         [](const fs::path& file) { fs::create_symlink("/dev/full", file); },
         kMsgCannotWrite},
    };
    for (const auto& c : kCases) {
      SCOPED_TRACE(c.what);
      ScratchDir dir;
      dir.Write("in.d88", image);
      c.prepare(dir / t.firstFile);
      const RunResult result = RunProgram(t.program, {"in.d88"}, dir.path());
      EXPECT_EQ(1, result.status);
      EXPECT_EQ(c.err, result.err);
      CutterRun run{result, {}};
      for (const std::string& name : dir.Files()) {
        if (name != "in.d88") run.files[name] = dir.Read(name);
      }
      const std::vector<std::string> announced = CheckTitleRun(run, image);
      ASSERT_FALSE(announced.empty());
      EXPECT_EQ(t.firstFile, announced.front());
    }
  }
}

TEST(MalformedPosixOnlyTest, ReadOnlyDirectoryAsAnUnprivilegedUser) {
  if (SkipOnWindows()) GTEST_SKIP();
  if (!CanDropPrivileges()) GTEST_SKIP() << "needs root and setpriv";
  {
    SCOPED_TRACE("d88sect");
    const ReadOnlyDir ro(OddBase().Build());
    const RunResult run = RunUnprivileged(
        "d88sect", {"in.d88", "out", "0", "0", "1"}, ro.dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(Progress(0, 0, 1, 256, 0), run.out);
    EXPECT_EQ(kMsgCannotOpen, run.err);
    EXPECT_EQ(std::vector<std::string>{"in.d88"}, ro.dir.Files());
  }
  for (const TitleDisk& t : kTitleDisks) {
    SCOPED_TRACE(t.program);
    const ReadOnlyDir ro(TitleImage(t));
    const RunResult run = RunUnprivileged(t.program, {"in.d88"}, ro.dir.path());
    EXPECT_EQ(1, run.status);
    // Every file announced, and none written.
    const std::vector<std::string> announced = CheckTitleRun({run, {}}, {});
    std::string err;
    for (size_t i = 0; i < announced.size(); ++i) err += kMsgCannotOpen;
    EXPECT_EQ(err, run.err);
    ASSERT_FALSE(announced.empty());
    EXPECT_EQ(t.firstFile, announced.front());
    EXPECT_EQ(std::vector<std::string>{"in.d88"}, ro.dir.Files());
  }
}

}  // namespace
