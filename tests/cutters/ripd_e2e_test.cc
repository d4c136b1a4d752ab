#include <gtest/gtest.h>

#include "cutter_run.h"
#include "messages.h"

namespace {

TEST(RipdTest, CutsTheFirstDiskWithoutRecognisingIt) {
  D88Disk first("first");
  first.Format(80);
  D88Disk second("second");
  second.Format(80);
  const CutterRun run =
      RunCutter("ripd", Concat({first.Build(), second.Build()}));
  EXPECT_EQ(0, run.result.status);
  std::string out = Cutting("PROG") + Cutting("OP");
  for (int i = 0; i <= 9; ++i) out += Cutting("MUS0" + std::to_string(i));
  EXPECT_EQ(out, run.result.out);
  EXPECT_EQ("", run.result.err);
  // PROG ends 32 bytes into sector 11 of track index 8; MUS07 crosses from
  // track index 67 to 68; MUS00 to MUS04 overlap their neighbours.
  const Files want = {
      {"PROG", first.Run(2, 1, 27168)},  {"OP", first.Run(0, 3, 3584)},
      {"MUS00", first.Run(67, 1, 768)},  {"MUS01", first.Run(67, 3, 768)},
      {"MUS02", first.Run(67, 5, 768)},  {"MUS03", first.Run(67, 6, 768)},
      {"MUS04", first.Run(67, 7, 768)},  {"MUS05", first.Run(67, 9, 768)},
      {"MUS06", first.Run(67, 12, 768)}, {"MUS07", first.Run(67, 15, 768)},
      {"MUS08", first.Run(68, 2, 768)},  {"MUS09", first.Run(68, 5, 768)},
  };
  EXPECT_EQ(want, run.files);
}

TEST(RipdTest, MissingSectorsSkipOnlyTheirCuts) {
  D88Disk disk("d");
  disk.Format(80);
  disk.RemoveSector(0, 3);   // OP's first sector.
  disk.RemoveSector(67, 7);  // MUS04's first sector, inside MUS02 and MUS03.
  const CutterRun run = RunCutter("ripd", disk.Build());
  EXPECT_EQ(0, run.result.status);
  EXPECT_EQ(PartialCut("MUS02", 512, 768) + PartialCut("MUS03", 256, 768),
            run.result.err);
  EXPECT_EQ(0u, run.files.count("OP"));
  EXPECT_EQ(0u, run.files.count("MUS04"));
  EXPECT_EQ(disk.Run(67, 5, 512), run.files.at("MUS02"));
  EXPECT_EQ(disk.Run(67, 6, 256), run.files.at("MUS03"));
  EXPECT_EQ(disk.Run(67, 9, 768), run.files.at("MUS05"));
  EXPECT_EQ(10u, run.files.size());
}

}  // namespace
