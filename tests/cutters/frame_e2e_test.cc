// What every title program does the same way: the command line, the open
// step, the disk loop's recognition rule and the output files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

const char* const kTitles[] = {"ripa", "ripb", "ripc", "ripd", "ripe",
                               "ripf", "ripg", "riph", "ripi"};

std::string UsageOf(const std::string& program) {
  if (program == "ripc") return "Usage: ripc [d88file] (DiskNo.)\n";
  return "Usage: " + program + " [d88file]\n";  // ripd's word is fixed.
}

TEST(FrameTest, UsageAndOpenFailures) {
  for (const char* program : kTitles) {
    const struct {
      const char* what;
      std::vector<std::string> args;
      std::string err;
    } kCases[] = {
        {"no argument", {}, UsageOf(program)},
        {"too many arguments", {"a.d88", "1", "x"}, UsageOf(program)},
        {"missing D88 file", {"none.d88"}, kMsgCannotOpen},
        {"directory as the D88 file", {"."}, kMsgCannotOpen},
    };
    for (const auto& c : kCases) {
      if (SkipOnWindows(c.what)) continue;
      SCOPED_TRACE(std::string(program) + ": " + c.what);
      ScratchDir dir;
      const RunResult run = RunProgram(program, c.args, dir.path());
      EXPECT_EQ(1, run.status);
      EXPECT_EQ("", run.out);
      EXPECT_EQ(c.err, run.err);
      EXPECT_EQ(std::vector<std::string>{}, dir.Files());
    }
  }
  // Two arguments: a usage error everywhere but in ripc.
  if (SkipOnWindows("an extra argument")) return;
  for (const char* program : kTitles) {
    if (std::string(program) == "ripc") continue;
    SCOPED_TRACE(program);
    const CutterRun run = RunCutter(program, {}, {"extra"});
    EXPECT_EQ(1, run.result.status);
    EXPECT_EQ(UsageOf(program), run.result.err);
  }
}

TEST(FrameTest, FilesWithoutADiskGiveNoOutput) {
  for (const char* program : kTitles) {
    for (const Bytes& image : {Bytes{}, Fill(687, 0x41)}) {
      SCOPED_TRACE(std::string(program) + ", " + std::to_string(image.size()) +
                   " bytes");
      const CutterRun run = RunCutter(program, image);
      EXPECT_EQ(0, run.result.status);
      EXPECT_EQ("", run.result.out);
      EXPECT_EQ("", run.result.err);
      EXPECT_EQ(Files{}, run.files);
    }
  }
}

TEST(FrameTest, TwoDisksOfOneRoleAreBothCut) {
  const D88Disk first = IdDisk("first", 0, 16, 0, 0x67);
  const D88Disk second = IdDisk("second", 0, 16, 0, 0x67);
  const CutterRun run =
      RunCutter("ripa", Concat({first.Build(), second.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(
      std::string(kMsgDiskA) + Cutting("PROG") + kMsgDiskA + Cutting("PROG"),
      run.result.out);
  EXPECT_EQ(Files({{"PROG", second.Run(1, 2, 12032)}}), run.files);
}

TEST(FrameTest, OnlyBytesThisDiskDeliveredSelectARole) {
  // Each first disk's last read leaves a role's byte at the identification
  // byte's position in g_buffer; the next disk lacks its identification
  // sector and must not take that role.
  D88Disk ripaA = IdDisk("A", 0, 16, 0, 0x67);
  ripaA.Poke(1, 2, 0, 0x1F);  // PROG's first byte: disk B's value.
  D88Disk ripbA = IdDisk("A", 63, 16, 1, 0x7F);
  ripbA.Poke(38, 13, 1, 0x42);  // MUS05's second byte: disk B's value.
  D88Disk ripbNoId("no id");
  ripbNoId.Format(80).RemoveSector(63, 16);
  D88Disk noId("no id");
  noId.Format(80).RemoveSector(0, 16);
  const struct {
    const char* program;
    Bytes image;
    std::string out;
  } kCases[] = {
      {"ripa", Concat({ripaA.Build(), noId.Build()}),
       std::string(kMsgDiskA) + Cutting("PROG") + kMsgUnknownDisk},
      {"ripb", Concat({ripbA.Build(), ripbNoId.Build()}),
       std::string(kMsgDiskA) + Cutting("DRIVER") + Cutting("MUS00") +
           Cutting("MUS01") + Cutting("MUS02") + Cutting("MUS03") +
           Cutting("MUS04") + Cutting("MUS05")},
      // g_buffer starts as zeros, and 0x00 is the program disk's byte.
      {"ripe", noId.Build(), kMsgUnknownDisk},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.program);
    const CutterRun run = RunCutter(c.program, c.image);
    EXPECT_EQ(0, run.result.status);
    EXPECT_EQ(c.out, run.result.out);
  }
}

TEST(FrameTest, ReplacesExistingOutputFiles) {
  ScratchDir dir;
  const D88Disk a = IdDisk("A", 0, 16, 0, 0x67);
  dir.Write("in.d88", a.Build());
  dir.Write("PROG", Fill(20000, 0xFF));
  const RunResult run = RunProgram("ripa", {"in.d88"}, dir.path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ(a.Run(1, 2, 12032), dir.Read("PROG"));
}

// Output files that cannot be written are reported, the other cuts are
// still made, and the program ends with status 1.
TEST(FrameTest, UnwritableOutputsFailTheRun) {
  const D88Disk b = IdDisk("B", 0, 16, 0, 0x1F);  // ripa: MUSOP1, MUSOP2.
  const D88Disk c2 = IdDisk("B", 0, 1, 0, 0x19);  // ripc: OP.
  D88Disk plain("plain");
  plain.Format(80);
  std::string ripdOut = Cutting("PROG") + Cutting("OP");
  for (int i = 0; i <= 9; ++i) ripdOut += Cutting("MUS0" + std::to_string(i));
  const struct {
    const char* what;
    const char* program;
    Bytes image;
    std::vector<std::string> extraArgs;
    std::string out, err;
  } kCases[] = {
      {"a directory holds the name",
       "ripa",
       b.Build(),
       {},
       std::string(kMsgDiskB) + Cutting("MUSOP1") + Cutting("MUSOP2"),
       kMsgCannotOpen},
      {"ripc ends early after disk 0",
       "ripc",
       c2.Build(),
       {"2"},
       std::string(kMsgDiskBOrUserDisk) + Cutting("OP"),
       kMsgCannotOpen},
      {"ripd has no disk loop",
       "ripd",
       plain.Build(),
       {},
       ripdOut,
       kMsgCannotOpen},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    ScratchDir dir;
    dir.Write("in.d88", c.image);
    ASSERT_EQ(0, mkdir((dir / "MUSOP1").c_str(), 0755));
    ASSERT_EQ(0, mkdir((dir / "OP").c_str(), 0755));
    std::vector<std::string> args = {"in.d88"};
    args.insert(args.end(), c.extraArgs.begin(), c.extraArgs.end());
    const RunResult run = RunProgram(c.program, args, dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(c.out, run.out);
    EXPECT_EQ(c.err, run.err);
  }
}

TEST(FrameTest, NeverWritesOverTheInputFile) {
  ScratchDir dir;
  const Bytes image = IdDisk("A", 0, 16, 0, 0x67).Build();
  dir.Write("PROG", image);
  const RunResult run = RunProgram("ripa", {"PROG"}, dir.path());
  EXPECT_EQ(1, run.status);
  EXPECT_EQ(std::string(kMsgDiskA) + Cutting("PROG"), run.out);
  char refused[256];
  snprintf(refused, sizeof refused, kMsgSameAsInput, "PROG");
  EXPECT_EQ(refused, run.err);
  EXPECT_EQ(image, dir.Read("PROG"));
}

// POSIX only: a symbolic link named like an output, to a full device.
TEST(FrameTest, WriteErrorOnAFullDevice) {
  if (SkipOnWindows()) GTEST_SKIP();
  ScratchDir dir;
  const D88Disk f = IdDisk("F", 0, 16, 0, 0x44);
  const D88Disk b = IdDisk("B", 0, 16, 0, 0x1F);
  dir.Write("in.d88", Concat({f.Build(), b.Build()}));
  ASSERT_EQ(0, symlink("/dev/full", (dir / "MUSEND").c_str()));
  const RunResult run = RunProgram("ripa", {"in.d88"}, dir.path());
  EXPECT_EQ(1, run.status);
  EXPECT_EQ(std::string(kMsgDiskF) + Cutting("MUSEND") + kMsgDiskB +
                Cutting("MUSOP1") + Cutting("MUSOP2"),
            run.out);
  EXPECT_EQ(kMsgCannotWrite, run.err);
  EXPECT_EQ(b.Run(22, 1, 4096), dir.Read("MUSOP2"));
}

}  // namespace
