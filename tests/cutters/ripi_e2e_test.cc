#include <gtest/gtest.h>

#include <functional>

#include "cutter_run.h"
#include "messages.h"

namespace {

// ripi reads sectors 15 and 16 of track index 0 as one run: the first byte
// of sector 16 identifies the disk, and for 0x41 the first byte of sector
// 15 tells disk A (0x82) from disk D (0x81).
D88Disk RipiDisk(const std::string& label, uint8_t id, uint8_t sector15) {
  D88Disk disk = IdDisk(label, 0, 16, 0, id);
  disk.Poke(0, 15, 0, sector15);
  return disk;
}

// The sector-15 bytes of disks other than A and D are the ones that pick A
// or D: only 0x41 looks at them.
TEST(RipiTest, CutsTheWholeSetInFileOrder) {
  const D88Disk a = RipiDisk("A", 0x41, 0x82), b = RipiDisk("B", 0x42, 0x81),
                c = RipiDisk("C", 0x43, 0x82), d = RipiDisk("D", 0x41, 0x81),
                e = RipiDisk("E", 0x04, 0x82), f = RipiDisk("F", 0x05, 0x81),
                g = RipiDisk("G", 0x06, 0x82), h = RipiDisk("H", 0x07, 0x81),
                user = RipiDisk("U", 0x55, 0x82);
  const CutterRun run = RunCutter(
      "ripi", Concat({g.Build(), d.Build(), b.Build(), user.Build(), a.Build(),
                      h.Build(), c.Build(), e.Build(), f.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(std::string(kMsgDiskG) + Cutting("MUS600") + kMsgDiskD +
                Cutting("ADPCM") + kMsgDiskB + kMsgUserDisk + kMsgDiskA +
                Cutting("PROG1") + Cutting("MUS100") + Cutting("MUS101") +
                Cutting("MUS102") + kMsgDiskH + kMsgDiskC + Cutting("PROG2") +
                Cutting("MUS300") + Cutting("MUS301") + Cutting("MUS302") +
                Cutting("MUS303") + Cutting("MUS304") + Cutting("MUS305") +
                Cutting("MUS306") + Cutting("MUS307") + Cutting("MUS308") +
                kMsgDiskE + kMsgDiskF,
            run.result.out);
  const Files want = {
      {"PROG1", a.Run(1, 2, 12032)},  // Track index 1 R 2 to 3 R 16.
      {"MUS100", a.Run(7, 1, 4096)},
      {"MUS101", a.Run(78, 1, 4096)},
      {"MUS102", a.Run(79, 1, 4096)},
      {"PROG2", c.Run(1, 2, 24320)},  // Track index 1 R 2 to 6 R 16.
      {"MUS300", c.Run(12, 1, 2048)},
      {"MUS301", c.Run(12, 9, 2048)},
      {"MUS302", c.Run(13, 1, 2048)},
      {"MUS303", c.Run(13, 9, 2048)},
      {"MUS304", c.Run(14, 1, 2048)},
      {"MUS305", c.Run(14, 9, 2048)},
      {"MUS306", c.Run(15, 1, 2048)},
      {"MUS307", c.Run(15, 9, 2048)},
      {"MUS308", c.Run(16, 1, 2048)},
      {"ADPCM", d.Run(2, 1, 262144)},  // Track indexes 2 to 65, whole.
      {"MUS600", g.Run(17, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

// 0x41 with a sector-15 byte other than 0x82 and 0x81 is not recognised
// either; 0x44 is not disk D.
TEST(RipiTest, OtherBytesAreNotRecognised) {
  const struct {
    uint8_t id, sector15;
  } kCases[] = {
      {0x41, 0x80}, {0x41, 0x83}, {0x41, 0x01}, {0x41, 0x02}, {0x41, 0x00},
      {0x41, 0x41}, {0x44, 0x81}, {0x44, 0x82}, {0x00, 0x43}, {0x00, 0x82},
      {0x03, 0x82}, {0x08, 0x81}, {0x40, 0x82}, {0x45, 0x81}, {0x54, 0x82},
      {0x56, 0x82}, {0xC1, 0x82}, {0xC3, 0x43}, {0xFF, 0xFF},
  };
  std::vector<Bytes> disks;
  std::string out;
  for (const auto& c : kCases) {
    disks.push_back(RipiDisk("X", c.id, c.sector15).Build());
    out += kMsgUnknownDisk;
  }
  const CutterRun run = RunCutter("ripi", Concat(disks));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(out, run.result.out);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(Files{}, run.files);
}

// Without sector 15 the read stops before sector 16, so the first disk's
// 0x43 does not count. Disk A's last cut leaves its own identification,
// 0x82 at offset 0 and 0x41 at offset 256 of g_buffer, for the disks after
// it, whose reads stop before one of the two bytes.
TEST(RipiTest, AMissingSector15Or16SelectsNoDisk) {
  D88Disk a = RipiDisk("A", 0x41, 0x82);
  a.Poke(79, 1, 0, 0x82).Poke(79, 2, 0, 0x41);  // MUS102.
  D88Disk no15 = RipiDisk("V", 0x43, 0x82), noTrack = RipiDisk("W", 0x41, 0x82),
          no16 = RipiDisk("X", 0x41, 0x82),
          otherSize = RipiDisk("Y", 0x41, 0x82),
          no15Again = RipiDisk("Z", 0x41, 0x82);
  no15.RemoveSector(0, 15);
  noTrack.RemoveTrack(0);
  no16.RemoveSector(0, 16);
  otherSize.Sector(0, 16).n = 2;  // Sector 16 of 512 bytes: another id.
  no15Again.RemoveSector(0, 15);
  const CutterRun run = RunCutter(
      "ripi", Concat({no15.Build(), a.Build(), noTrack.Build(), no16.Build(),
                      otherSize.Build(), no15Again.Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(std::string(kMsgUnknownDisk) + kMsgDiskA + Cutting("PROG1") +
                Cutting("MUS100") + Cutting("MUS101") + Cutting("MUS102") +
                kMsgUnknownDisk + kMsgUnknownDisk + kMsgUnknownDisk +
                kMsgUnknownDisk,
            run.result.out);
  EXPECT_EQ("", run.result.err);
  const Files want = {
      {"PROG1", a.Run(1, 2, 12032)},
      {"MUS100", a.Run(7, 1, 4096)},
      {"MUS101", a.Run(78, 1, 4096)},
      {"MUS102", a.Run(79, 1, 4096)},
  };
  EXPECT_EQ(want, run.files);
}

// ADPCM covers track indexes 2 to 65 and nothing beyond them.
TEST(RipiTest, AdpcmIsTrackIndexes2To65) {
  const struct {
    const char* what;
    std::function<void(D88Disk&)> damage;
    size_t written;  // 0: no cut.
  } kCases[] = {
      {"tracks 1 and 66 missing",
       [](D88Disk& d) { d.RemoveTrack(1).RemoveTrack(66); }, 262144},
      {"last sector missing", [](D88Disk& d) { d.RemoveSector(65, 16); },
       262144 - 256},
      {"first sector missing", [](D88Disk& d) { d.RemoveSector(2, 1); }, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    D88Disk d = RipiDisk("D", 0x41, 0x81);
    c.damage(d);
    const CutterRun run = RunCutter("ripi", d.Build());
    EXPECT_EQ(0, run.result.status);
    char partial[256] = "";
    if (c.written != 0 && c.written < 262144) {
      snprintf(partial, sizeof partial, kMsgPartialCut, "ADPCM", int(c.written),
               262144);
    }
    EXPECT_EQ(partial, run.result.err);
    if (c.written == 0) {
      EXPECT_EQ(kMsgDiskD, run.result.out);
      EXPECT_EQ(Files{}, run.files);
    } else {
      EXPECT_EQ(std::string(kMsgDiskD) + Cutting("ADPCM"), run.result.out);
      EXPECT_EQ((Files{{"ADPCM", d.Run(2, 1, c.written)}}), run.files);
    }
  }
}

}  // namespace
