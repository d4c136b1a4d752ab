#include <gtest/gtest.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

// riph reads the first byte of sector 16 of track index 0.
D88Disk RiphDisk(const std::string& label, uint8_t id) {
  return IdDisk(label, 0, 16, 0, id);
}

// Each of the three music series counts from 00.
TEST(RiphTest, CutsTheWholeSetInFileOrder) {
  const D88Disk a = RiphDisk("A", 0x00), b = RiphDisk("B", 0x01),
                c = RiphDisk("C", 0x02), d = RiphDisk("D", 0x03),
                e = RiphDisk("E", 0x04), f = RiphDisk("F", 0x05),
                user = RiphDisk("U", 0x0A);
  const CutterRun run =
      RunCutter("riph", Concat({f.Build(), c.Build(), a.Build(), user.Build(),
                                e.Build(), b.Build(), d.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(std::string(kMsgDiskF) + Cutting("MUS600") + kMsgDiskC + kMsgDiskA +
                Cutting("PROG") + Cutting("MUS100") + Cutting("MUS101") +
                Cutting("MUS102") + Cutting("MUS103") + Cutting("MUS104") +
                kMsgUserDisk + kMsgDiskE + kMsgDiskB + Cutting("MUS200") +
                kMsgDiskD,
            run.result.out);
  const Files want = {
      {"PROG", a.Run(1, 2, 20224)},  // Track index 1 R 2 to 5 R 16.
      {"MUS100", a.Run(8, 1, 4096)},  {"MUS101", a.Run(10, 1, 4096)},
      {"MUS102", a.Run(21, 1, 2048)}, {"MUS103", a.Run(22, 1, 2048)},
      {"MUS104", a.Run(23, 1, 2048)}, {"MUS200", b.Run(13, 1, 2048)},
      {"MUS600", f.Run(6, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

TEST(RiphTest, OtherBytesAreNotRecognised) {
  std::vector<Bytes> disks;
  std::string out;
  for (int id : {0x06, 0x07, 0x08, 0x09, 0x0B, 0x10, 0x41, 0x55, 0x80, 0xFF}) {
    disks.push_back(RiphDisk("X", id).Build());
    out += kMsgUnknownDisk;
  }
  const CutterRun run = RunCutter("riph", Concat(disks));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(out, run.result.out);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(Files{}, run.files);
}

// 0x00 is disk A's byte, and also what g_buffer holds at the start and
// what the reads before a disk may leave there.
TEST(RiphTest, AMissingIdentificationSectorIsNeverDiskA) {
  D88Disk noSector = RiphDisk("X", 0x00), noTrack = RiphDisk("Y", 0x00),
          otherSize = RiphDisk("Z", 0x00);
  noSector.RemoveSector(0, 16);
  noTrack.RemoveTrack(0);
  otherSize.Sector(0, 16).n = 2;  // Sector 16 of 512 bytes: another id.
  D88Disk f = RiphDisk("F", 0x05);
  f.Poke(6, 1, 0, 0x00);  // MUS600, the last read before the next disk.
  D88Disk b = RiphDisk("B", 0x01);
  b.Poke(13, 1, 0, 0x00);  // MUS200.
  const CutterRun run =
      RunCutter("riph", Concat({noSector.Build(), f.Build(), noTrack.Build(),
                                b.Build(), otherSize.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(std::string(kMsgUnknownDisk) + kMsgDiskF + Cutting("MUS600") +
                kMsgUnknownDisk + kMsgDiskB + Cutting("MUS200") +
                kMsgUnknownDisk,
            run.result.out);
  EXPECT_EQ("", run.result.err);
  const Files want = {
      {"MUS200", b.Run(13, 1, 2048)},
      {"MUS600", f.Run(6, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

}  // namespace
