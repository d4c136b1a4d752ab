// What the programs do differently on Windows and on POSIX systems: how a
// program is named on its command line, and which names are the same file.
// These cases stand in on Windows for the POSIX cases that it skips
// (windows_skips.cc).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cutter_run.h"
#include "messages.h"
#include "program_runner.h"

namespace {

std::string Format(const char* format, const std::string& text) {
  char line[512];
  snprintf(line, sizeof line, format, text.c_str());
  return line;
}

// A usage line of the form "Usage: %s ..." names the program by argument 0,
// which a Windows program takes from the head of its command line: there
// wine puts the path of the .exe, where a console puts what was typed.
TEST(PlatformTest, UsageNamesTheProgramAsStarted) {
  if (!TestingWindowsPrograms()) {
    GTEST_SKIP() << "on POSIX each program's own tests check the usage line "
                    "with the argument 0 they chose";
  }
  const std::string sectUsage = std::string(kMsgSectUsage) + kMsgSectUsageSize;
  const struct {
    const char* program;
    std::vector<std::string> args;
    std::string format;  // With %s for argument 0, but for ripd.
  } kCases[] = {
      {"d88sect", {}, sectUsage},
      {"d88sect", {"in.d88", "out", "0", "0"}, sectUsage},
      {"ripa", {}, kMsgTitleUsage},
      {"ripb", {"in.d88", "1"}, kMsgTitleUsage},
      {"ripc", {}, kMsgTitleUsageDiskNo},
      {"ripc", {"none.d88", "4"}, kMsgTitleUsageDiskNo},
      {"ripc", {"none.d88", "a"}, kMsgTitleUsageDiskNo},
      {"ripc", {"none.d88", "1", "x"}, kMsgTitleUsageDiskNo},
      {"ripd", {}, kMsgRipdUsage},  // A fixed name, whatever argument 0 is.
      {"ripe", {}, kMsgTitleUsage},
      {"ripf", {}, kMsgTitleUsage},
      {"ripg", {"in.d88", "1", "x"}, kMsgTitleUsage},
      {"riph", {}, kMsgTitleUsage},
      {"ripi", {}, kMsgTitleUsage},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.program) + " with " +
                 std::to_string(c.args.size()) + " arguments");
    ScratchDir dir;
    const RunResult run = RunProgram(c.program, c.args, dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ(std::vector<std::string>{}, dir.Files());
    if (c.format == kMsgRipdUsage) {
      EXPECT_EQ(kMsgRipdUsage, run.err);
      continue;
    }
    // "Usage: " and argument 0, which ends in the name of the .exe.
    const std::string start = "Usage: ";
    const std::string exe = std::string("\\") + c.program + ".exe";
    const size_t end = run.err.find(exe + " ");
    if (run.err.compare(0, start.size(), start) != 0 ||
        end == std::string::npos) {
      ADD_FAILURE() << "no usage line naming the .exe: " << run.err;
      continue;
    }
    const std::string argument0 =
        run.err.substr(start.size(), end + exe.size() - start.size());
    EXPECT_EQ(Format(c.format.c_str(), argument0), run.err);
  }
}

// On Windows, names that differ in case or in the form of the path can
// name the D88 file, and the programs must not write over it; on POSIX
// they are other files, which the programs write.
TEST(PlatformTest, OutputNamedLikeTheInputInAnotherForm) {
  const Bytes image = D88Disk().Format(2).Build();
  const std::string progress = [] {
    char line[256];
    snprintf(line, sizeof line, kMsgSectProgress, 0, 1, 2, 256, 0);
    return std::string(line);
  }();
  for (const std::string output : {"IN.D88", ".\\in.d88"}) {
    SCOPED_TRACE(output);
    ScratchDir dir;
    dir.Write("in.d88", image);
    const RunResult run =
        RunProgram("d88sect", {"in.d88", output, "0", "1", "2"}, dir.path());
    EXPECT_EQ(progress, run.out);
    if (TestingWindowsPrograms()) {
      EXPECT_EQ(1, run.status);
      EXPECT_EQ(Format(kMsgSameAsInput, output), run.err);
      EXPECT_EQ(std::vector<std::string>{"in.d88"}, dir.Files());
    } else {
      EXPECT_EQ(0, run.status);
      EXPECT_EQ("", run.err);
      EXPECT_EQ(D88Disk().Format(2).Run(1, 2, 256), dir.Read(output));
    }
    EXPECT_EQ(image, dir.Read("in.d88"));
  }
}

TEST(PlatformTest, TitleOutputNamedLikeTheInputInAnotherCase) {
  // ripa writes PROG from this disk; the D88 file is "prog".
  const D88Disk disk = IdDisk("A", 0, 16, 0, 0x67);
  ScratchDir dir;
  dir.Write("prog", disk.Build());
  const RunResult run = RunProgram("ripa", {"prog"}, dir.path());
  EXPECT_EQ(std::string(kMsgDiskA) + Cutting("PROG"), run.out);
  if (TestingWindowsPrograms()) {
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(Format(kMsgSameAsInput, "PROG"), run.err);
    EXPECT_EQ(std::vector<std::string>{"prog"}, dir.Files());
  } else {
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(disk.Run(1, 2, 12032), dir.Read("PROG"));
  }
  EXPECT_EQ(disk.Build(), dir.Read("prog"));
}

}  // namespace
