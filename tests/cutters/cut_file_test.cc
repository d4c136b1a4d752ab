// CutFile in-process, on g_image and g_buffer as a title program uses them.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "cutter.h"
#include "cutter_run.h"
#include "messages.h"

namespace {

TEST(CutFileTest, WritesOnlyBytesThisRunRead) {
  D88Disk disk("d");
  disk.Format(4);
  disk.RemoveSector(2, 3);
  disk.Sector(1, 1).data.resize(100);  // Stored shorter than 256 bytes.
  ScratchDir dir;
  dir.Write("in.d88", disk.Build());
  ASSERT_TRUE(g_image.Open((dir / "in.d88").c_str()));
  ASSERT_TRUE(g_image.SelectDisk(0));
  g_image.SetSectorRange(1, 16);
  const std::string out = dir / "OUT";
  const Bytes run12 = disk.Run(0, 12, 1280);

  const struct {
    const char* what;
    int track, r, offset, length;
    bool result;
    std::optional<Bytes> file;
    std::string err;
  } kCases[] = {
      {"whole run", 0, 5, 0, 1024, true, disk.Run(0, 5, 1024), ""},
      {"slice from an offset", 0, 12, 198, 1082, true,
       Bytes(run12.begin() + 198, run12.end()), ""},
      {"first sector missing", 2, 3, 0, 256, false, std::nullopt, ""},
      {"first sector shorter than needed", 1, 1, 0, 256, false, std::nullopt,
       ""},
      {"run stops part-way", 2, 1, 0, 1024, true, disk.Run(2, 1, 512),
       PartialCut(out, 512, 1024)},
      {"slice starts past what was read", 2, 1, 600, 100, true, Bytes{},
       PartialCut(out, 0, 100)},
      {"slice ends past what was read", 2, 1, 256, 512, true,
       disk.Run(2, 2, 256), PartialCut(out, 256, 512)},
      {"cut larger than g_buffer", 0, 1, 1, kCutterBufferSize, false,
       std::nullopt, ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    remove(out.c_str());
    memset(g_buffer, 0xEE, sizeof g_buffer);  // Stale bytes of earlier reads.
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const bool result = CutFile(out.c_str(), c.track, c.track / 2, c.track % 2,
                                c.r, 1, c.offset, c.length);
    const std::string stdoutText = testing::internal::GetCapturedStdout();
    const std::string stderrText = testing::internal::GetCapturedStderr();
    EXPECT_EQ(c.result, result);
    EXPECT_EQ(c.result ? Cutting(out) : "", stdoutText);
    EXPECT_EQ(c.err, stderrText);
    if (c.file) {
      EXPECT_EQ(*c.file, dir.Read("OUT"));
    } else {
      EXPECT_FALSE(dir.Exists("OUT"));
    }
    EXPECT_EQ(nullptr, g_output);
  }
  g_image.Close();
}

}  // namespace
