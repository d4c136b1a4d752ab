#include <gtest/gtest.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

// ripb reads the second byte of sector 16 of track index 63.
D88Disk RipbDisk(const std::string& label, uint8_t id) {
  return IdDisk(label, 63, 16, 1, id);
}

Bytes Slice(const Bytes& bytes, size_t from, size_t length) {
  return Bytes(bytes.begin() + from, bytes.begin() + from + length);
}

TEST(RipbTest, CutsDiskAInEitherOrder) {
  const D88Disk a = RipbDisk("A", 0x7F), b = RipbDisk("B", 0x42);
  const std::string cuts =
      Cutting("DRIVER") + Cutting("MUS00") + Cutting("MUS01") +
      Cutting("MUS02") + Cutting("MUS03") + Cutting("MUS04") + Cutting("MUS05");
  // MUS00 is bytes 198 to 1,279 of the run from sector 12 of track index
  // 17, which is the end of DRIVER; MUS01 and MUS02 share sector 7.
  const Files want = {
      {"DRIVER", a.Run(17, 1, 4096)},
      {"MUS00", Slice(a.Run(17, 12, 1280), 198, 1082)},
      {"MUS01", a.Run(38, 1, 1792)},
      {"MUS02", a.Run(38, 7, 768)},
      {"MUS03", a.Run(38, 10, 256)},
      {"MUS04", a.Run(38, 11, 512)},
      {"MUS05", a.Run(38, 13, 768)},
  };
  const struct {
    const char* what;
    Bytes image;
    std::string out;
  } kCases[] = {
      {"A then B", Concat({a.Build(), b.Build()}),
       std::string(kMsgDiskA) + cuts + kMsgDiskB},
      {"B then A", Concat({b.Build(), a.Build()}),
       std::string(kMsgDiskB) + kMsgDiskA + cuts},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const CutterRun run = RunCutter("ripb", c.image);
    EXPECT_EQ(0, run.result.status);
    EXPECT_EQ(c.out, run.result.out);
    EXPECT_EQ("", run.result.err);
    EXPECT_EQ(want, run.files);
  }
}

TEST(RipbTest, OtherDisksPassInSilence) {
  D88Disk firstByteOnly = RipbDisk("X", 0x00);
  firstByteOnly.Poke(63, 16, 0, 0x7F);  // Only the second byte counts.
  const CutterRun run = RunCutter(
      "ripb", Concat({firstByteOnly.Build(), RipbDisk("X", 0x41).Build(),
                      RipbDisk("X", 0xFF).Build(),
                      IdDisk("X", 0, 16, 1, 0x7F).Build()}));
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ("", run.result.out);
  EXPECT_EQ("", run.result.err);
  EXPECT_EQ(Files{}, run.files);
}

TEST(RipbTest, DiskAWithoutTrack38KeepsItsFirstTwoFiles) {
  D88Disk a = RipbDisk("A", 0x7F);
  a.RemoveTrack(38);
  const CutterRun run = RunCutter("ripb", a.Build());
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(std::string(kMsgDiskA) + Cutting("DRIVER") + Cutting("MUS00"),
            run.result.out);
  const Files want = {
      {"DRIVER", a.Run(17, 1, 4096)},
      {"MUS00", Slice(a.Run(17, 12, 1280), 198, 1082)},
  };
  EXPECT_EQ(want, run.files);
}

}  // namespace
