// d88sect on D88 images written by other tools, against flat images that an
// independent reader made of them (tests/data/realdata/README.md).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "d88_builder.h"
#include "messages.h"
#include "program_runner.h"

namespace {

constexpr int kTracks = 80;
constexpr int kSectorSize = 256;
constexpr int kTrackSize = 16 * kSectorSize;

Bytes ReadDataFile(const std::string& name) {
  std::ifstream in(std::string(D88_TEST_DATA_DIR) + "/realdata/" + name,
                   std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

struct RealImage {
  const char* name;
  int comparableTracks;  // The truncated image's last track is incomplete.
};

class RealDataTest : public ::testing::TestWithParam<RealImage> {};

TEST_P(RealDataTest, EverySectorAndLongRunsMatchTheFlatImage) {
  const RealImage& image = GetParam();
  const Bytes flat = ReadDataFile(std::string(image.name) + ".flat");
  ASSERT_EQ(size_t{kTracks * kTrackSize}, flat.size());
  ScratchDir dir;
  dir.Write("in.d88", ReadDataFile(std::string(image.name) + ".d88"));
  auto flatAt = [&](int track, int r, size_t length) {
    const size_t at = (track * 16 + r - 1) * kSectorSize;
    return Bytes(flat.begin() + at, flat.begin() + at + length);
  };

  for (int track = 0; track < image.comparableTracks; ++track) {
    for (int r = 1; r <= 16; ++r) {
      SCOPED_TRACE("track " + std::to_string(track) + " sector " +
                   std::to_string(r));
      const RunResult run = RunProgram(
          "d88sect",
          {"in.d88", "out", "0", std::to_string(track), std::to_string(r)},
          dir.path());
      ASSERT_EQ(0, run.status) << run.err;
      ASSERT_EQ(flatAt(track, r, kSectorSize), dir.Read("out"));
    }
  }
  // Runs that cross sides and cylinders: from a track's last sector, from
  // the middle of a head 1 track, and over the whole comparable disk.
  const struct {
    int track, r;
    size_t length;
  } kRuns[] = {
      {0, 16, 2 * kSectorSize},
      {1, 9, 3 * kTrackSize + 100},
      {0, 1, size_t(image.comparableTracks) * kTrackSize},
  };
  for (const auto& c : kRuns) {
    SCOPED_TRACE("run from track " + std::to_string(c.track));
    const RunResult run =
        RunProgram("d88sect",
                   {"in.d88", "out", "0", std::to_string(c.track),
                    std::to_string(c.r), std::to_string(c.length)},
                   dir.path());
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(flatAt(c.track, c.r, c.length), dir.Read("out"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Images, RealDataTest,
    ::testing::Values(RealImage{"d88dmp_HuBASIC_Format_2D", kTracks},
                      RealImage{"sos_sword_SOS_TEST", kTracks},
                      RealImage{"legacy89_test_truncated", kTracks - 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RealDataTest, TruncatedLastTrackHoldsOnlyItsFirstSector) {
  const Bytes d88 = ReadDataFile("legacy89_test_truncated.d88");
  ScratchDir dir;
  dir.Write("in.d88", d88);
  // R 1 of track 79 is the last record of the file.
  RunResult run =
      RunProgram("d88sect", {"in.d88", "out", "0", "79", "1"}, dir.path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ(Bytes(d88.end() - kSectorSize, d88.end()), dir.Read("out"));
  for (const char* r : {"2", "16"}) {
    run = RunProgram("d88sect", {"in.d88", "out2", "0", "79", r}, dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(kMsgNoSuchSector, run.err);
  }
  // A run into the missing part stops there and is padded with zeros.
  run = RunProgram("d88sect", {"in.d88", "out", "0", "78", "16", "1024"},
                   dir.path());
  EXPECT_EQ(0, run.status);
  const Bytes out = dir.Read("out");
  ASSERT_EQ(1024u, out.size());
  EXPECT_EQ(Bytes(d88.end() - kSectorSize, d88.end()),
            Bytes(out.begin() + kSectorSize, out.begin() + 2 * kSectorSize));
  EXPECT_EQ(Fill(512, 0), Bytes(out.begin() + 512, out.end()));
}

}  // namespace
