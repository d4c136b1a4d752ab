#include <gtest/gtest.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

// ripc reads the first byte of sector 1 of track index 0.
D88Disk RipcDisk(const std::string& label, uint8_t id) {
  return IdDisk(label, 0, 1, 0, id);
}

TEST(RipcTest, RecognisesEachDiskByItsByte) {
  const D88Disk a = RipcDisk("A", 0xDB), b = RipcDisk("B", 0x19),
                c = RipcDisk("C", 0x48), user = RipcDisk("U", 0x19);
  const std::string diskA =
      std::string(kMsgDiskA) + Cutting("DRIVER") + Cutting("MUSIC");
  const std::string diskB = std::string(kMsgDiskBOrUserDisk) + Cutting("OP");
  const struct {
    const char* what;
    Bytes image;
    std::string out;
    Files want;
  } kCases[] = {
      {"A, B and C",
       Concat({a.Build(), b.Build(), c.Build()}),
       diskA + diskB + kMsgDiskC,
       {{"DRIVER", a.Run(8, 1, 3840)},
        {"MUSIC", a.Run(1, 1, 3072)},
        {"OP", b.Run(76, 1, 3072)}}},
      {"B and the user disk: the later OP wins",
       Concat({b.Build(), user.Build()}),
       diskB + diskB,
       {{"OP", user.Run(76, 1, 3072)}}},
      {"other bytes pass in silence",
       Concat({RipcDisk("X", 0x00).Build(), RipcDisk("X", 0x5B).Build(),
               RipcDisk("X", 0xDA).Build(), RipcDisk("X", 0x1A).Build()}),
       "",
       {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const CutterRun run = RunCutter("ripc", c.image);
    EXPECT_EQ(0, run.result.status);
    EXPECT_EQ(c.out, run.result.out);
    EXPECT_EQ("", run.result.err);
    EXPECT_EQ(c.want, run.files);
  }
}

TEST(RipcTest, DiskNumberForcesTheFirstDisk) {
  const D88Disk a = RipcDisk("A", 0xDB), b = RipcDisk("B", 0x19);
  D88Disk noId = RipcDisk("N", 0x00);
  noId.RemoveSector(0, 1);
  const Bytes ab = Concat({a.Build(), b.Build()});
  const struct {
    const char* what;
    Bytes image;
    std::string number;
    std::string out;
    Files want;
  } kCases[] = {
      {"2 on disk A: cut as disk B, later disks not read",
       ab,
       "2",
       std::string(kMsgDiskBOrUserDisk) + Cutting("OP"),
       {{"OP", a.Run(76, 1, 3072)}}},
      {"3: the message alone", ab, "3", kMsgDiskC, {}},
      {"1 on disk B",
       Concat({b.Build(), a.Build()}),
       "1",
       std::string(kMsgDiskA) + Cutting("DRIVER") + Cutting("MUSIC"),
       {{"DRIVER", b.Run(8, 1, 3840)}, {"MUSIC", b.Run(1, 1, 3072)}}},
      {"only the first character counts",
       ab,
       "2x",
       std::string(kMsgDiskBOrUserDisk) + Cutting("OP"),
       {{"OP", a.Run(76, 1, 3072)}}},
      {"12 is disk 1",
       Concat({b.Build()}),
       "12",
       std::string(kMsgDiskA) + Cutting("DRIVER") + Cutting("MUSIC"),
       {{"DRIVER", b.Run(8, 1, 3840)}, {"MUSIC", b.Run(1, 1, 3072)}}},
      {"identification sector missing", noId.Build(), "3", kMsgDiskC, {}},
      {"no disk in the file", {}, "1", "", {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const CutterRun run = RunCutter("ripc", c.image, {c.number});
    EXPECT_EQ(0, run.result.status);
    EXPECT_EQ(c.out, run.result.out);
    EXPECT_EQ("", run.result.err);
    EXPECT_EQ(c.want, run.files);
  }
}

TEST(RipcTest, BadDiskNumbersAreUsageErrors) {
  if (SkipOnWindows()) GTEST_SKIP();
  const std::string usage = "Usage: ripc [d88file] (DiskNo.)\n";
  for (const std::string number :
       {"0", "4", "9", "a", "", "-1", "+1", " 1", "\xb1"}) {
    SCOPED_TRACE("disk number '" + number + "'");
    // Checked before the D88 file, which does not exist here.
    ScratchDir dir;
    const RunResult run = RunProgram("ripc", {"none.d88", number}, dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ(usage, run.err);
    EXPECT_EQ(std::vector<std::string>{}, dir.Files());
  }
}

}  // namespace
