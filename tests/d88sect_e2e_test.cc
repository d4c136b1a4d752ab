#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

#include "d88_builder.h"
#include "messages.h"
#include "program_runner.h"

namespace {

std::string Progress(int disk, int track, int sector, int size, int offset) {
  char line[256];
  snprintf(line, sizeof line, kMsgSectProgress, disk, track, sector, size,
           offset);
  return line;
}

Bytes Slice(const Bytes& bytes, size_t from, size_t length) {
  Bytes out(length, 0);
  for (size_t i = 0; i < length && from + i < bytes.size(); ++i) {
    out[i] = bytes[from + i];
  }
  return out;
}

Bytes Padded(Bytes bytes, size_t length) {
  bytes.resize(length, 0);
  return bytes;
}

// Disk 0 is a plain 2D disk. Disk 1 holds the odd tracks, one per case.
struct Fixture {
  D88Disk plain{"plain"};
  D88Disk odd{"odd"};
  Fixture() {
    plain.Format(80);
    for (int r = 1; r <= 8; ++r) {  // Track 0 stored as 1, 9, 2, 10, ...
      odd.Add(0, {0, 0, r, 1, SectorText("odd", 0, r)});
      odd.Add(0, {0, 0, r + 8, 1, SectorText("odd", 0, r + 8)});
    }
    odd.FormatTrack(1);
    odd.FormatTrack(2, 1, 3).Add(2, {1, 0, 5, 1, SectorText("odd", 2, 5)});
    for (int r = 1; r <= 16; ++r) {  // Ids that name another cylinder.
      odd.Add(3, {9, 0, r, 1, SectorText("odd", 3, r)});
    }
    for (int r = 1; r <= 70; ++r) {  // Only the first 64 are listed.
      odd.Add(4, {2, 0, r, 1, SectorText("odd", 4, r)});
    }
    odd.FormatTrack(5);
    odd.FormatTrack(6, 1, 8, 2);  // 512-byte sectors.
    odd.FormatTrack(7, 1, 1, 0);  // One 128-byte sector.
    odd.FormatTrack(8, 1, 2).Add(8, {4, 0, 4, 1, SectorText("odd", 8, 4)});
    odd.FormatTrack(9, 1, 3);
    odd.Sector(9, 2).data.resize(100);
    odd.Add(10, {5, 0, 1, 24, Fill(256, 0x24)});
  }
};

// Runs d88sect in a fresh directory holding |image| as "in.d88", with the
// output "out" and then |args|.
struct SectRun {
  RunResult result;
  std::optional<Bytes> output;  // The output file, if one was created.
};
SectRun RunSect(const Bytes& image, const std::vector<std::string>& args) {
  ScratchDir dir;
  dir.Write("in.d88", image);
  std::vector<std::string> all = {"in.d88", "out"};
  all.insert(all.end(), args.begin(), args.end());
  SectRun run{RunProgram("d88sect", all, dir.path()), std::nullopt};
  if (dir.Exists("out")) run.output = dir.Read("out");
  return run;
}

TEST(D88SectTest, WritesTheSlice) {
  const Fixture f;
  const Bytes image = Concat({f.plain.Build(), f.odd.Build()});
  const struct {
    const char* what;
    std::vector<std::string> args;  // After the D88 file and the output.
    std::string out;                // The progress line.
    Bytes want;
  } kCases[] = {
      {"one sector by default",
       {"0", "0", "1"},
       Progress(0, 0, 1, 256, 0),
       f.plain.Run(0, 1, 256)},
      {"hexadecimal numbers",
       {"0x0", "0x4", "0x10", "0x100"},
       Progress(0, 4, 16, 256, 0),
       f.plain.Run(4, 16, 256)},
      {"a run over side and cylinder",
       {"0", "4", "16", "4608"},
       Progress(0, 4, 16, 4608, 0),
       f.plain.Run(4, 16, 4608)},
      {"size and offset",
       {"0", "0", "1", "156", "100"},
       Progress(0, 0, 1, 156, 100),
       Slice(f.plain.Run(0, 1, 256), 100, 156)},
      {"offset past the first sector",
       {"0", "2", "3", "10", "300"},
       Progress(0, 2, 3, 10, 300),
       Slice(f.plain.Run(2, 3, 512), 300, 10)},
      {"size 0 with an offset",
       {"0", "0", "1", "0", "100"},
       Progress(0, 0, 1, 0, 100),
       {}},
      {"arguments after the offset are ignored",
       {"0", "0", "1", "16", "0", "junk"},
       Progress(0, 0, 1, 16, 0),
       f.plain.Run(0, 1, 16)},
      {"interleaved track is sorted",
       {"1", "0", "16", "512"},
       Progress(1, 0, 16, 512, 0),
       Concat({SectorText("odd", 0, 16), SectorText("odd", 1, 1)})},
      {"range from the first 64 ids only",
       {"1", "4", "64", "512"},
       Progress(1, 4, 64, 512, 0),
       Concat({SectorText("odd", 4, 64), SectorText("odd", 5, 1)})},
      {"512-byte sectors by default",
       {"1", "6", "3"},
       Progress(1, 6, 3, 512, 0),
       SectorText("odd", 6, 3, 512)},
      {"128-byte sector by default",
       {"1", "7", "1"},
       Progress(1, 7, 1, 128, 0),
       SectorText("odd", 7, 1, 128)},
      {"missing third sector gives zeros",
       {"1", "8", "1", "768"},
       Progress(1, 8, 1, 768, 0),
       Padded(f.odd.Run(8, 1, 512), 768)},
      {"short sector keeps what it copied",
       {"1", "9", "1", "768"},
       Progress(1, 9, 1, 768, 0),
       Padded(Concat({SectorText("odd", 9, 1), SectorText("odd", 9, 2, 100)}),
              768)},
      {"whole buffer, zeros past the disk",
       {"0", "0", "1", "737280"},
       Progress(0, 0, 1, 737280, 0),
       Padded(f.plain.Run(0, 1, 80 * 4096), 737280)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const SectRun run = RunSect(image, c.args);
    EXPECT_EQ(0, run.result.status);
    EXPECT_EQ(c.out, run.result.out);
    EXPECT_EQ("", run.result.err);
    EXPECT_EQ(c.want, run.output);
  }
}

TEST(D88SectTest, RefusesWithAMessage) {
  const Fixture f;
  const Bytes image = Concat({f.plain.Build(), f.odd.Build()});
  const std::string usage =
      std::string(
          "Usage: d88sect [d88file] [outputfile] [diskno] [track] "
          "[Sector] (size) (offset)\n") +
      kMsgSectUsageSize;
  const struct {
    const char* what;
    std::vector<std::string> args;  // After the D88 file and the output.
    std::string err;
  } kCases[] = {
      {"four arguments", {"0", "0"}, usage},
      {"disk index equal to the count", {"2", "0", "1"}, kMsgNoSuchDisk},
      {"disk index -1", {"-1", "0", "1"}, kMsgNoSuchDisk},
      {"disk index beyond 32 bits", {"4294967296", "0", "1"}, kMsgNoSuchDisk},
      {"track index 164", {"0", "164", "1"}, kMsgTrackNotFormatted},
      {"absent track", {"0", "80", "1"}, kMsgTrackNotFormatted},
      {"size 0 without an offset", {"0", "0", "1", "0"}, kMsgNoSuchSector},
      {"sector in a gap of the range", {"1", "2", "4"}, kMsgNoSuchSector},
      {"ids of another cylinder", {"1", "3", "1"}, kMsgNoSuchSector},
      {"sector below the range", {"0", "0", "0"}, kMsgNoSuchSector},
      {"sector above the range", {"0", "0", "17"}, kMsgNoSuchSector},
      {"sector beyond the first 64 ids", {"1", "4", "65"}, kMsgNoSuchSector},
      {"negative size", {"0", "0", "1", "-1"}, kMsgBadSizeOffset},
      {"negative offset", {"0", "0", "1", "16", "-1"}, kMsgBadSizeOffset},
      {"size above the buffer", {"0", "0", "1", "737281"}, kMsgBadSizeOffset},
      {"size and offset above the buffer",
       {"0", "0", "1", "737280", "1"},
       kMsgBadSizeOffset},
      {"sum beyond 32 bits",
       {"0", "0", "1", "0x7fffffff", "0x7fffffff"},
       kMsgBadSizeOffset},
      {"default size too large to compute",
       {"1", "10", "1"},
       kMsgBadSizeOffset},
  };
  for (const auto& c : kCases) {
    if (SkipOnWindows(c.what)) continue;
    SCOPED_TRACE(c.what);
    const SectRun run = RunSect(image, c.args);
    EXPECT_EQ(1, run.result.status);
    EXPECT_EQ("", run.result.out);
    EXPECT_EQ(c.err, run.result.err);
    EXPECT_FALSE(run.output.has_value());
  }
}

TEST(D88SectTest, ReportsFilesItCannotOpenOrWrite) {
  ScratchDir dir;
  dir.Write("in.d88", D88Disk().Format(2).Build());
  const std::string progress = Progress(0, 1, 2, 256, 0);
  const std::string same = [] {
    char line[256];
    snprintf(line, sizeof line, kMsgSameAsInput, "./in.d88");
    return std::string(line);
  }();
  const struct {
    const char* what;
    std::string input, output;
    std::string out, err;
  } kCases[] = {
      {"missing D88 file", "none.d88", "out", "", kMsgCannotOpen},
      {"directory as the D88 file", ".", "out", "", kMsgCannotOpen},
      {"output in a missing directory", "in.d88", "no/out", progress,
       kMsgCannotOpen},
      {"output is a directory", "in.d88", ".", progress, kMsgCannotOpen},
      {"output is the input", "in.d88", "./in.d88", progress, same},
      {"output device is full", "in.d88", "/dev/full", progress,
       kMsgCannotWrite},
  };
  for (const auto& c : kCases) {
    if (SkipOnWindows(c.what)) continue;
    SCOPED_TRACE(c.what);
    const RunResult run =
        RunProgram("d88sect", {c.input, c.output, "0", "1", "2"}, dir.path());
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(c.out, run.out);
    EXPECT_EQ(c.err, run.err);
  }
  EXPECT_EQ(std::vector<std::string>{"in.d88"}, dir.Files());
  EXPECT_EQ(D88Disk().Format(2).Build(), dir.Read("in.d88"));
}

TEST(D88SectTest, ReplacesAnExistingOutputFile) {
  ScratchDir dir;
  D88Disk disk;
  disk.Format(1);
  dir.Write("in.d88", disk.Build());
  dir.Write("out", Fill(5000, 0xFF));
  const RunResult run =
      RunProgram("d88sect", {"in.d88", "out", "0", "0", "3", "10"}, dir.path());
  EXPECT_EQ(0, run.status);
  EXPECT_EQ(disk.Run(0, 3, 10), dir.Read("out"));
}

}  // namespace
