#include <gtest/gtest.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

// ripg reads the first byte of sector 16 of track index 0.
D88Disk RipgDisk(const std::string& label, uint8_t id) {
  return IdDisk(label, 0, 16, 0, id);
}

// MUS01 to MUS04 go on from disk A's MUS00; MUS02 and MUS04 are the second
// halves of their tracks.
TEST(RipgTest, CutsTheWholeSetInFileOrder) {
  const D88Disk a = RipgDisk("A", 'A'), b = RipgDisk("B", 'B'),
                c = RipgDisk("C", 'C'), d = RipgDisk("D", 'D'),
                e = RipgDisk("E", 'E'), f = RipgDisk("F", 'F'),
                user = RipgDisk("U", 'U');
  const CutterRun run =
      RunCutter("ripg", Concat({e.Build(), b.Build(), user.Build(), a.Build(),
                                f.Build(), c.Build(), d.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(std::string(kMsgDiskE) + kMsgDiskB + Cutting("DRIVER") +
                Cutting("MUS01") + Cutting("MUS02") + Cutting("MUS03") +
                Cutting("MUS04") + kMsgUserDisk + kMsgDiskA + Cutting("MUS00") +
                kMsgDiskF + kMsgDiskC + kMsgDiskD,
            run.result.out);
  const Files want = {
      {"MUS00", a.Run(53, 1, 2048)},
      {"DRIVER", b.Run(1, 2, 24320)},  // Track index 1 R 2 to 6 R 16.
      {"MUS01", b.Run(75, 1, 2048)},
      {"MUS02", b.Run(75, 9, 2048)},
      {"MUS03", b.Run(76, 1, 2048)},
      {"MUS04", b.Run(76, 9, 2048)},
  };
  EXPECT_EQ(want, run.files);
}

TEST(RipgTest, OtherBytesAreNotRecognised) {
  std::vector<Bytes> disks;
  std::string out;
  for (int id :
       {0x00, 0x01, 0x40, 0x47, 0x4B, 0x54, 0x56, 0x61, 0x62, 0xC1, 0xFF}) {
    disks.push_back(RipgDisk("X", id).Build());
    out += kMsgUnknownDisk;
  }
  const CutterRun run = RunCutter("ripg", Concat(disks));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(out, run.result.out);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(Files{}, run.files);
}

// A music file's number is its place in the table, not a count of the
// files made: without MUS02 the next two are still MUS03 and MUS04. A
// second disk A replaces the first one's MUS00.
TEST(RipgTest, NamesKeepTheirNumbersAndLaterDisksReplaceFiles) {
  D88Disk b = RipgDisk("B", 'B');
  b.RemoveSector(75, 9);  // The first sector of MUS02.
  const D88Disk a1 = RipgDisk("A1", 'A'), a2 = RipgDisk("A2", 'A');
  const CutterRun run =
      RunCutter("ripg", Concat({a1.Build(), b.Build(), a2.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(std::string(kMsgDiskA) + Cutting("MUS00") + kMsgDiskB +
                Cutting("DRIVER") + Cutting("MUS01") + Cutting("MUS03") +
                Cutting("MUS04") + kMsgDiskA + Cutting("MUS00"),
            run.result.out);
  EXPECT_EQ("", run.result.err);
  const Files want = {
      {"MUS00", a2.Run(53, 1, 2048)}, {"DRIVER", b.Run(1, 2, 24320)},
      {"MUS01", b.Run(75, 1, 2048)},  {"MUS03", b.Run(76, 1, 2048)},
      {"MUS04", b.Run(76, 9, 2048)},
  };
  EXPECT_EQ(want, run.files);
}

}  // namespace
