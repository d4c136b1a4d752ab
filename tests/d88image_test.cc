#include "d88image.h"

#include <gtest/gtest.h>

#include <cstring>

#include "d88_builder.h"
#include "program_runner.h"

namespace {

// Writes |file| to a scratch directory and opens it.
class ImageTest : public ::testing::Test {
 protected:
  void Load(const Bytes& file) {
    dir_.Write("image.d88", file);
    ASSERT_TRUE(image_.Open((dir_ / "image.d88").c_str()));
  }
  // Loads a single disk and selects it.
  void LoadDisk(const D88Disk& disk) {
    Load(disk.Build());
    ASSERT_TRUE(image_.SelectDisk(0));
  }
  Bytes Read(int track, int c, int h, int r, int n, int length) {
    Bytes buffer(length > 0 ? length : 1, 0xEE);
    const int got = image_.ReadSector(track, c, h, r, n, buffer.data(), length);
    buffer.resize(got);
    return buffer;
  }
  Bytes ReadRun(int track, int c, int h, int r, int n, int length) {
    Bytes buffer(length > 0 ? length : 1, 0xEE);
    const int got =
        image_.ReadSectors(track, c, h, r, n, buffer.data(), length);
    buffer.resize(got);
    return buffer;
  }
  Bytes Ids(int track, int capacity) {
    Bytes buffer(capacity > 0 ? capacity : 1, 0xEE);
    buffer.resize(image_.GetSectorIds(track, buffer.data(), capacity));
    return buffer;
  }

  ScratchDir dir_;
  D88Image image_;
};

TEST(ReadLETest, LittleEndianUnaligned) {
  const uint8_t bytes[] = {0x00, 0x78, 0x56, 0x34, 0x12, 0xFF, 0xFE};
  EXPECT_EQ(0x12345678u, ReadLE32(bytes + 1));
  EXPECT_EQ(0xFEFF1234u, ReadLE32(bytes + 3));
  EXPECT_EQ(0x5678u, ReadLE16(bytes + 1));
  EXPECT_EQ(0xFEFFu, ReadLE16(bytes + 5));
}

TEST_F(ImageTest, NewObjectIsClosedAndUnselected) {
  EXPECT_EQ(0, image_.GetDiskCount());
  EXPECT_EQ(-1, image_.GetCurrentDisk());
  EXPECT_EQ(-1, image_.GetMediaType());
  EXPECT_STREQ("", image_.GetDiskName());
  EXPECT_FALSE(image_.SelectDisk(0));
  EXPECT_EQ(0, Read(0, 0, 0, 1, 1, 256).size());
  EXPECT_EQ(0, Ids(0, 256).size());
}

TEST_F(ImageTest, OpenIndexesDiskImages) {
  // Each disk is named after its position so the index can be checked.
  auto named = [](const std::string& name) {
    return D88Disk().Name(name).FormatTrack(0, 1, 2);
  };
  const Bytes a = named("A").Build();
  const Bytes b = named("B").Build();
  const Bytes c = named("C").Build();
  std::vector<Bytes> seventy;
  std::vector<std::string> first64;
  for (int i = 0; i < 70; ++i) {
    seventy.push_back(named(std::to_string(i)).Build());
    if (i < 64) first64.push_back(std::to_string(i));
  }
  const Bytes header = D88Disk().Name("H").Build();

  const struct {
    const char* what;
    Bytes file;
    std::vector<std::string> names;  // Name of each indexed disk, in order.
  } kCases[] = {
      {"empty file", {}, {}},
      {"shorter than a header", Fill(687, 0), {}},
      {"header only", header, {"H"}},
      {"three disks and a tail",
       Concat({a, b, c, Fill(687, 0xFF)}),
       {"A", "B", "C"}},
      {"more than 64 disks", Concat(seventy), first64},
      {"size 0 indexes the first header again",
       D88Disk().Name("Z").DiskSize(0).Build(),
       std::vector<std::string>(64, "Z")},
      {"size 0xFFFFFFFF ends the index",
       Concat({D88Disk().Name("A").DiskSize(0xFFFFFFFF).Build(), b}),
       {"A"}},
      {"size 0x7FFFFFFF points past the end",
       Concat({D88Disk().Name("A").DiskSize(0x7FFFFFFF).Build(), b}),
       {"A"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    Load(c.file);
    ASSERT_EQ(int(c.names.size()), image_.GetDiskCount());
    for (size_t i = 0; i < c.names.size(); ++i) {
      ASSERT_TRUE(image_.SelectDisk(i));
      EXPECT_EQ(c.names[i], image_.GetDiskName());
    }
  }
}

TEST_F(ImageTest, OpenFailsOnlyWhenTheFileCannotBeOpened) {
  EXPECT_FALSE(image_.Open((dir_ / "missing.d88").c_str()));
  EXPECT_FALSE(image_.Open(dir_.path().c_str()));  // A directory.
  EXPECT_EQ(0, image_.GetDiskCount());

  Load(D88Disk().Format(2).Build());
  ASSERT_TRUE(image_.SelectDisk(0));
  EXPECT_TRUE(image_.Open(nullptr));  // Closes; the object can be reused.
  EXPECT_EQ(0, image_.GetDiskCount());
  EXPECT_EQ(-1, image_.GetCurrentDisk());
  EXPECT_EQ(-1, image_.GetMediaType());
  EXPECT_EQ(0, Read(0, 0, 0, 1, 1, 256).size());
}

TEST_F(ImageTest, SelectDiskLoadsHeaderFields) {
  Load(Concat({D88Disk().Name("first").Media(0x10).Build(),
               D88Disk().Name("SIXTEEN-CHARS-XY").Media(0x20).Build(),
               D88Disk().Name("0123456789ABCDEFG").Media(0x30).Build()}));
  const struct {
    int index;
    const char* name;
    int media;
  } kCases[] = {
      {0, "first", 0x10},
      {1, "SIXTEEN-CHARS-XY", 0x20},
      {2, "0123456789ABCDEF", 0x30},  // 17 characters, no NUL: 16 kept.
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.index);
    ASSERT_TRUE(image_.SelectDisk(c.index));
    EXPECT_EQ(c.index, image_.GetCurrentDisk());
    EXPECT_STREQ(c.name, image_.GetDiskName());
    EXPECT_EQ(c.media, image_.GetMediaType());
  }
}

TEST_F(ImageTest, SelectDiskOutOfRangeClearsTheSelection) {
  Load(Concat(
      {D88Disk().Name("a").Format(1).Build(), D88Disk().Name("b").Build()}));
  for (int index : {2, -1}) {
    SCOPED_TRACE(index);
    ASSERT_TRUE(image_.SelectDisk(0));
    image_.SetSectorRange(3, 9);
    EXPECT_FALSE(image_.SelectDisk(index));
    EXPECT_EQ(-1, image_.GetCurrentDisk());
    EXPECT_EQ(-1, image_.GetMediaType());
    EXPECT_STREQ("", image_.GetDiskName());
    EXPECT_EQ(0, Read(0, 0, 0, 1, 1, 256).size());
    EXPECT_EQ(0, Ids(0, 256).size());
  }
}

TEST_F(ImageTest, ReadSectorFindsTheRecordById) {
  D88Disk disk;
  disk.Format(8);
  disk.Add(3, {1, 1, 17, 1, Fill(256, 0xD1)});  // Same id twice:
  disk.Add(3, {1, 1, 17, 1, Fill(256, 0xD2)});  // the first one wins.
  disk.Add(3, {1, 1, 18, 2, Fill(512, 0xE0)});
  LoadDisk(disk);
  const struct {
    const char* what;
    int track, c, h, r, n, length;
    Bytes want;
  } kCases[] = {
      {"whole sector", 4, 2, 0, 5, 1, 256, SectorText("disk", 4, 5)},
      {"length below the sector", 4, 2, 0, 5, 1, 100, disk.Run(4, 5, 100)},
      {"length above the sector", 4, 2, 0, 5, 1, 512, SectorText("disk", 4, 5)},
      {"first of two equal ids", 3, 1, 1, 17, 1, 256, Fill(256, 0xD1)},
      {"512-byte sector", 3, 1, 1, 18, 2, 512, Fill(512, 0xE0)},
      {"N differs", 4, 2, 0, 5, 2, 256, {}},
      {"C differs", 4, 3, 0, 5, 1, 256, {}},
      {"H differs", 4, 2, 1, 5, 1, 256, {}},
      {"no such R", 4, 2, 0, 17, 1, 256, {}},
      {"id value above a byte", 4, 2 + 256, 0, 5, 1, 256, {}},
      {"track index 164", 164, 82, 0, 1, 1, 256, {}},
      {"track index -1", -1, 0, 0, 1, 1, 256, {}},
      {"absent track", 9, 4, 1, 1, 1, 256, {}},
      {"length 0", 4, 2, 0, 5, 1, 0, {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.want, Read(c.track, c.c, c.h, c.r, c.n, c.length));
  }
}

TEST_F(ImageTest, ReadSectorLeavesTheBufferAloneOnFailure) {
  LoadDisk(D88Disk().Format(1));
  uint8_t buffer[256];
  memset(buffer, 0x5A, sizeof buffer);
  EXPECT_EQ(0, image_.ReadSector(0, 0, 0, 17, 1, buffer, 256));
  EXPECT_EQ(Fill(256, 0x5A), Bytes(buffer, buffer + 256));
}

TEST_F(ImageTest, TrackEntryIsCheckedAgainstTheDiskSize) {
  // Track 0's records sit right after the header: the entry is 0x2B0.
  const struct {
    const char* what;
    uint32_t diskSize;
    size_t want;
  } kCases[] = {
      {"entry equal to the disk size is walked", 0x2B0, 256},
      {"entry above the disk size", 0x2AF, 0},
      {"disk size of 2^31 or more is negative", 0x80000000, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    LoadDisk(D88Disk().FormatTrack(0).DiskSize(c.diskSize));
    EXPECT_EQ(c.want, Read(0, 0, 0, 1, 1, 256).size());
  }
  LoadDisk(D88Disk().FormatTrack(0).TrackOffset(0, 0x80000010));
  EXPECT_EQ(0, Read(0, 0, 0, 1, 1, 256).size());
}

TEST_F(ImageTest, WalkEndsAtTheSectorCount) {
  const struct {
    const char* what;
    std::vector<D88Record> records;
    int r;  // Sector asked for, N = 1.
    size_t want;
  } kCases[] = {
      {"count 0 before the sector",
       {{0, 0, 1, 1, Fill(256, 1), 0}, {0, 0, 2, 1, Fill(256, 2)}},
       2,
       0},
      {"count 0 on the sector itself", {{0, 0, 1, 1, Fill(256, 1), 0}}, 1, 0},
      {"sector past the count",
       {{0, 0, 1, 1, Fill(256, 1), 1}, {0, 0, 2, 1, Fill(256, 2), 1}},
       2,
       0},
      {"count larger than the records stored",
       {{0, 0, 1, 1, Fill(256, 1), 9}, {0, 0, 2, 1, Fill(256, 2), 9}},
       3,
       0},
      {"count 65535", {{0, 0, 1, 1, Fill(256, 1), 65535}}, 1, 256},
      {"data size field decides the skip",
       {{0, 0, 1, 1, Fill(100, 1), -1, 100}, {0, 0, 2, 1, Fill(256, 2)}},
       2,
       256},
      {"data size below the sector size",
       {{0, 0, 1, 1, Fill(100, 1), -1, 100}},
       1,
       100},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    D88Disk disk;
    for (const D88Record& record : c.records) disk.Add(0, record);
    LoadDisk(disk);
    EXPECT_EQ(c.want, Read(0, 0, 0, c.r, 1, 256).size());
  }
}

TEST_F(ImageTest, TruncatedFilesDeliverOnlyWhatWasRead) {
  const Bytes whole = D88Disk().FormatTrack(0, 1, 2).Build();
  // Track 0: header at 0x2B0, R 1 data at 0x2C0, R 2 header at 0x3C0 and
  // data at 0x3D0 to 0x4D0. The size field keeps promising the whole disk.
  const struct {
    const char* what;
    size_t cut;  // Bytes of the file kept.
    size_t wantR1, wantR2, wantRun;
  } kCases[] = {
      {"inside a record header", 0x2B8, 0, 0, 0},
      {"inside the first record's data", 0x2C0 + 100, 100, 0, 0},
      {"inside the second record's header", 0x3C8, 256, 0, 256},
      {"inside the second record's data", 0x3D0 + 17, 256, 17, 256},
      {"whole", whole.size(), 256, 256, 512},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    Load(Bytes(whole.begin(), whole.begin() + c.cut));
    ASSERT_TRUE(image_.SelectDisk(0));
    EXPECT_EQ(c.wantR1, Read(0, 0, 0, 1, 1, 256).size());
    EXPECT_EQ(c.wantR2, Read(0, 0, 0, 2, 1, 256).size());
    EXPECT_EQ(c.wantRun, ReadRun(0, 0, 0, 1, 1, 512).size());
  }
}

TEST_F(ImageTest, ReadSectorsWrapsToTheNextTrackIndex) {
  D88Disk disk;
  disk.Format(10);
  LoadDisk(disk);
  const struct {
    const char* what;
    int track, c, h, r, length;
    Bytes want;
  } kCases[] = {
      {"side 0 to side 1 to the next cylinder", 4, 2, 0, 16, 256 * 18,
       disk.Run(4, 16, 256 * 18)},
      {"pieces of 256, 256 and 88", 0, 0, 0, 1, 600, disk.Run(0, 1, 600)},
      {"one byte", 7, 3, 1, 9, 1, disk.Run(7, 9, 1)},
      {"length 0", 0, 0, 0, 1, 0, {}},
      {"negative length", 0, 0, 0, 1, -5, {}},
      {"first sector missing", 0, 0, 0, 17, 256, {}},
      {"runs off the last track", 9, 4, 1, 16, 512, disk.Run(9, 16, 256)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.want, ReadRun(c.track, c.c, c.h, c.r, 1, c.length));
  }
}

TEST_F(ImageTest, ReadSectorsStopsAtAMissingOrShortSector) {
  D88Disk disk;
  disk.Format(4);
  disk.RemoveSector(1, 2);
  disk.Sector(2, 3).data.resize(100);  // Stored shorter than 256 bytes.
  LoadDisk(disk);
  Bytes buffer(1024, 0);
  EXPECT_EQ(256, image_.ReadSectors(1, 0, 1, 1, 1, buffer.data(), 1024));
  EXPECT_EQ(512, image_.ReadSectors(2, 1, 0, 1, 1, buffer.data(), 1024));
  // What the short sector did copy stays in the buffer, uncounted.
  EXPECT_EQ(disk.Sector(2, 3).data,
            Bytes(buffer.begin() + 512, buffer.begin() + 612));
  // A last piece that the short sector covers is read whole.
  EXPECT_EQ(612, image_.ReadSectors(2, 1, 0, 1, 1, buffer.data(), 612));
}

TEST_F(ImageTest, ReadSectorsFollowsTheSectorRange) {
  D88Disk disk;
  disk.FormatTrack(0, 1, 8).FormatTrack(1, 1, 8);
  disk.Add(0, {0, 0, 9, 1, Fill(256, 0x99)});  // Outside the range 1..8.
  LoadDisk(disk);
  image_.SetSectorRange(1, 8);
  ASSERT_TRUE(image_.SelectDisk(0));  // The range survives a selection.
  Bytes want = disk.Run(0, 7, 512);
  const Bytes next = SectorText("disk", 1, 1);
  want.insert(want.end(), next.begin(), next.end());
  EXPECT_EQ(want, ReadRun(0, 0, 0, 7, 1, 768));
}

TEST_F(ImageTest, ReadSectorsWithOddSizeCodes) {
  D88Disk disk;
  disk.Add(0, {0, 0, 1, 24, Fill(300, 0x24)});
  disk.Add(0, {0, 0, 2, 0, Fill(128, 0x00)});
  disk.Add(0, {0, 0, 3, 0, Fill(128, 0x01)});
  LoadDisk(disk);
  EXPECT_EQ(Fill(300, 0x24), ReadRun(0, 0, 0, 1, 24, 300));  // One piece.
  EXPECT_EQ(Bytes{}, ReadRun(0, 0, 0, 1, -1, 300));
  EXPECT_EQ(Concat({Fill(128, 0), Fill(128, 1)}), ReadRun(0, 0, 0, 2, 0, 256));
}

TEST_F(ImageTest, GetSectorIdsListsInStoredOrder) {
  D88Disk disk;
  for (int r : {1, 9, 2, 10}) disk.Add(0, {0, 0, r, 1, Fill(256, r)});
  for (int r = 1; r <= 70; ++r) disk.Add(1, {0, 1, r, 1, Fill(16, r), 70, 16});
  disk.FormatTrack(2);
  disk.Add(3, {1, 1, 1, 1, Fill(256, 0), 0});  // Count 0 everywhere.
  disk.Add(3, {1, 1, 2, 1, Fill(256, 0), 0});
  LoadDisk(disk);

  EXPECT_EQ((Bytes{0, 0, 1, 1, 0, 0, 9, 1, 0, 0, 2, 1, 0, 0, 10, 1}),
            Ids(0, 256));
  EXPECT_EQ(64u, Ids(2, 256).size());
  EXPECT_EQ(256u, Ids(1, 256).size());  // 70 records, room for 64.
  EXPECT_EQ(4u, Ids(2, 7).size());
  EXPECT_EQ(0u, Ids(2, 3).size());
  // A count of 0 does not end the listing; the end of the file does.
  EXPECT_EQ((Bytes{1, 1, 1, 1, 1, 1, 2, 1}), Ids(3, 256));
  EXPECT_EQ(0u, Ids(4, 256).size());
  EXPECT_EQ(0u, Ids(164, 256).size());
}

}  // namespace
