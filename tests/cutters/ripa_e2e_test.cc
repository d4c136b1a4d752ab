#include <gtest/gtest.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

// ripa reads the first byte of sector 16 of track index 0.
D88Disk RipaDisk(const std::string& label, uint8_t id) {
  return IdDisk(label, 0, 16, 0, id);
}

TEST(RipaTest, CutsTheWholeSetInFileOrder) {
  const D88Disk a = RipaDisk("A", 0x67), b = RipaDisk("B", 0x1F),
                c = RipaDisk("C", 0x41), d = RipaDisk("D", 0x42),
                e = RipaDisk("E", 0x43), f = RipaDisk("F", 0x44),
                user = RipaDisk("U", 0x55), other = RipaDisk("X", 0x00);
  const CutterRun run = RunCutter(
      "ripa", Concat({f.Build(), user.Build(), c.Build(), a.Build(),
                      other.Build(), d.Build(), b.Build(), e.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(std::string(kMsgDiskF) + Cutting("MUSEND") + kMsgUserDisk +
                kMsgDiskC + Cutting("MUS000") + Cutting("MUS001") +
                Cutting("MUS002") + Cutting("MUS003") + Cutting("MUS004") +
                Cutting("MUS005") + Cutting("MUS006") + kMsgDiskA +
                Cutting("PROG") + kMsgUnknownDisk + kMsgDiskD + kMsgDiskB +
                Cutting("MUSOP1") + Cutting("MUSOP2") + kMsgDiskE,
            run.result.out);
  const Files want = {
      {"PROG", a.Run(1, 2, 12032)},  // Track index 1 R 2 to 3 R 16.
      {"MUSOP1", b.Run(18, 1, 4096)}, {"MUSOP2", b.Run(22, 1, 4096)},
      {"MUS000", c.Run(12, 1, 2048)}, {"MUS001", c.Run(12, 9, 2048)},
      {"MUS002", c.Run(13, 1, 2048)}, {"MUS003", c.Run(13, 9, 2048)},
      {"MUS004", c.Run(14, 1, 2048)}, {"MUS005", c.Run(14, 9, 2048)},
      {"MUS006", c.Run(15, 1, 2048)}, {"MUSEND", f.Run(56, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

TEST(RipaTest, OtherBytesAreNotRecognised) {
  std::vector<Bytes> disks;
  std::string out;
  for (int id : {0x00, 0x1E, 0x20, 0x40, 0x45, 0x54, 0x56, 0x66, 0x68, 0xFF}) {
    disks.push_back(RipaDisk("X", id).Build());
    out += kMsgUnknownDisk;
  }
  const CutterRun run = RunCutter("ripa", Concat(disks));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(out, run.result.out);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(Files{}, run.files);
}

TEST(RipaTest, MissingSectorsSkipOrShortenACut) {
  D88Disk c = RipaDisk("C", 0x41);
  c.RemoveSector(13, 9);  // The first sector of MUS003.
  c.RemoveSector(15, 5);  // Inside MUS006: it stops after four sectors.
  const CutterRun run = RunCutter("ripa", c.Build());
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(std::string(kMsgDiskC) + Cutting("MUS000") + Cutting("MUS001") +
                Cutting("MUS002") + Cutting("MUS004") + Cutting("MUS005") +
                Cutting("MUS006"),
            run.result.out);
  EXPECT_EQ(PartialCut("MUS006", 1024, 2048), run.result.err);
  const Files want = {
      {"MUS000", c.Run(12, 1, 2048)}, {"MUS001", c.Run(12, 9, 2048)},
      {"MUS002", c.Run(13, 1, 2048)}, {"MUS004", c.Run(14, 1, 2048)},
      {"MUS005", c.Run(14, 9, 2048)}, {"MUS006", c.Run(15, 1, 1024)},
  };
  EXPECT_EQ(want, run.files);
}

}  // namespace
