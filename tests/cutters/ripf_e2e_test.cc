#include <gtest/gtest.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

// ripf reads the byte at offset 15 of sector 16 of track index 0.
D88Disk RipfDisk(const std::string& label, uint8_t id) {
  return IdDisk(label, 0, 16, 15, id);
}

TEST(RipfTest, CutsTheWholeSetInFileOrder) {
  const D88Disk a = RipfDisk("A", 'A'), b = RipfDisk("B", 'B'),
                c = RipfDisk("C", 'C'), d = RipfDisk("D", 'D'),
                user = RipfDisk("U", 'K');
  const CutterRun run = RunCutter(
      "ripf",
      Concat({c.Build(), user.Build(), a.Build(), d.Build(), b.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(std::string(kMsgDiskC) + kMsgUserDisk + kMsgDiskA +
                Cutting("PROG1") + Cutting("PROG2") + Cutting("MUS100A") +
                Cutting("MUS101A") + Cutting("MUS102A") + Cutting("MUS103A") +
                Cutting("MUS104A") + Cutting("MUS105A") + Cutting("MUS106A") +
                Cutting("MUS100B") + Cutting("MUS101B") + kMsgDiskD + kMsgDiskB,
            run.result.out);
  const Files want = {
      {"PROG1", a.Run(71, 2, 7936)},  // Track index 71 R 2 to 72 R 16.
      {"PROG2", a.Run(1, 2, 7936)},   // Track index 1 R 2 to 2 R 16.
      {"MUS100A", a.Run(21, 1, 4096)}, {"MUS101A", a.Run(22, 1, 4096)},
      {"MUS102A", a.Run(23, 1, 4096)}, {"MUS103A", a.Run(31, 1, 2048)},
      {"MUS104A", a.Run(31, 9, 2048)}, {"MUS105A", a.Run(75, 1, 4096)},
      {"MUS106A", a.Run(76, 1, 4096)}, {"MUS100B", a.Run(73, 1, 4096)},
      {"MUS101B", a.Run(74, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

TEST(RipfTest, OtherBytesAreNotRecognised) {
  std::vector<Bytes> disks;
  std::string out;
  for (int id : {0x00, 0x40, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4C, 0x55,
                 0x61, 0x6B, 0xC1, 0xFF}) {
    disks.push_back(RipfDisk("X", id).Build());
    out += kMsgUnknownDisk;
  }
  const CutterRun run = RunCutter("ripf", Concat(disks));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(out, run.result.out);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(Files{}, run.files);
}

TEST(RipfTest, OnlyOffset15Decides) {
  const struct {
    uint8_t first, sixteenth;
    const char* message;
  } kCases[] = {
      {'A', 'X', kMsgUnknownDisk}, {'A', 0x00, kMsgUnknownDisk},
      {'A', 'B', kMsgDiskB},       {'A', 'K', kMsgUserDisk},
      {'K', 'D', kMsgDiskD},
  };
  std::vector<Bytes> disks;
  std::string out;
  for (const auto& c : kCases) {
    disks.push_back(RipfDisk("X", c.sixteenth).Poke(0, 16, 0, c.first).Build());
    out += c.message;
  }
  const CutterRun run = RunCutter("ripf", Concat(disks));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(out, run.result.out);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(Files{}, run.files);
}

// Sector 16 stored with 15 bytes ends before the identification byte:
// the 'A' that disk A's last cut left at offset 15 of g_buffer must not
// count. Missing sectors on disk A skip MUS104A and cut PROG1 short.
TEST(RipfTest, MissingSectorsShortenOrSkipCutsAndSelectNoDisk) {
  D88Disk a = RipfDisk("A", 'A');
  a.RemoveTrack(72);       // PROG1 stops after track index 71.
  a.RemoveSector(31, 9);   // The first sector of MUS104A.
  a.Poke(74, 1, 15, 'A');  // MUS101B, the last read before the next disk.
  D88Disk shortId = RipfDisk("X", 'A');
  shortId.Sector(0, 16).data.resize(15);
  const CutterRun run = RunCutter("ripf", Concat({a.Build(), shortId.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(std::string(kMsgDiskA) + Cutting("PROG1") + Cutting("PROG2") +
                Cutting("MUS100A") + Cutting("MUS101A") + Cutting("MUS102A") +
                Cutting("MUS103A") + Cutting("MUS105A") + Cutting("MUS106A") +
                Cutting("MUS100B") + Cutting("MUS101B") + kMsgUnknownDisk,
            run.result.out);
  char partial[256];
  snprintf(partial, sizeof partial, kMsgPartialCut, "PROG1", 3840, 7936);
  EXPECT_EQ(partial, run.result.err);
  const Files want = {
      {"PROG1", a.Run(71, 2, 3840)},   {"PROG2", a.Run(1, 2, 7936)},
      {"MUS100A", a.Run(21, 1, 4096)}, {"MUS101A", a.Run(22, 1, 4096)},
      {"MUS102A", a.Run(23, 1, 4096)}, {"MUS103A", a.Run(31, 1, 2048)},
      {"MUS105A", a.Run(75, 1, 4096)}, {"MUS106A", a.Run(76, 1, 4096)},
      {"MUS100B", a.Run(73, 1, 4096)}, {"MUS101B", a.Run(74, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

}  // namespace
