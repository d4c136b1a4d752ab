#include <gtest/gtest.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

// ripe reads the first byte of sector 16 of track index 0.
D88Disk RipeDisk(const std::string& label, uint8_t id) {
  return IdDisk(label, 0, 16, 0, id);
}

TEST(RipeTest, CutsTheWholeSetInFileOrder) {
  const D88Disk a = RipeDisk("A", 0x0A), b = RipeDisk("B", 0x0B),
                c = RipeDisk("C", 0x00), d = RipeDisk("D", 0x01),
                e = RipeDisk("E", 0x02), f = RipeDisk("F", 0x03),
                g = RipeDisk("G", 0x04), h = RipeDisk("H", 0x05),
                user = RipeDisk("U", 0x0C);
  const CutterRun run = RunCutter(
      "ripe", Concat({user.Build(), h.Build(), b.Build(), c.Build(), e.Build(),
                      a.Build(), g.Build(), d.Build(), f.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(std::string(kMsgUserDisk) + kMsgData5Disk + Cutting("MUS03") +
                kMsgOpeningBDisk + kMsgProgramDisk + Cutting("MUS01") +
                Cutting("MUS02") + kMsgData2Disk + kMsgOpeningADisk +
                Cutting("PROG") + Cutting("MUS00") + kMsgData4Disk +
                kMsgData1Disk + kMsgData3Disk,
            run.result.out);
  const Files want = {
      {"PROG", a.Run(1, 2, 16128)},  // Track index 1 R 2 to 4 R 16.
      {"MUS00", a.Run(15, 1, 4096)}, {"MUS01", c.Run(8, 1, 4096)},
      {"MUS02", c.Run(10, 1, 4096)}, {"MUS03", h.Run(14, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

TEST(RipeTest, OtherBytesAreNotRecognised) {
  std::vector<Bytes> disks;
  std::string out;
  for (int id : {0x06, 0x07, 0x08, 0x09, 0x0D, 0x10, 0x41, 0x80, 0x8A, 0xFF}) {
    disks.push_back(RipeDisk("X", id).Build());
    out += kMsgUnknownDisk;
  }
  const CutterRun run = RunCutter("ripe", Concat(disks));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(out, run.result.out);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(Files{}, run.files);
}

// 0x00 is the program disk's byte, and also what g_buffer holds at the
// start and what the reads before a disk may leave there.
TEST(RipeTest, AMissingIdentificationSectorIsNeverTheProgramDisk) {
  D88Disk noSector = RipeDisk("X", 0x00), noTrack = RipeDisk("Y", 0x00),
          otherSize = RipeDisk("Z", 0x00);
  noSector.RemoveSector(0, 16);
  noTrack.RemoveTrack(0);
  otherSize.Sector(0, 16).n = 2;  // Sector 16 of 512 bytes: another id.
  D88Disk h = RipeDisk("H", 0x05);
  h.Poke(14, 1, 0, 0x00);  // MUS03, the last read before the next disk.
  D88Disk c = RipeDisk("C", 0x00);
  c.Poke(10, 1, 0, 0x00);  // MUS02.
  const CutterRun run =
      RunCutter("ripe", Concat({noSector.Build(), h.Build(), noTrack.Build(),
                                c.Build(), otherSize.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(std::string(kMsgUnknownDisk) + kMsgData5Disk + Cutting("MUS03") +
                kMsgUnknownDisk + kMsgProgramDisk + Cutting("MUS01") +
                Cutting("MUS02") + kMsgUnknownDisk,
            run.result.out);
  EXPECT_EQ("", run.result.err);
  const Files want = {
      {"MUS01", c.Run(8, 1, 4096)},
      {"MUS02", c.Run(10, 1, 4096)},
      {"MUS03", h.Run(14, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

}  // namespace
