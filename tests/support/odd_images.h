// Test-only: D88 files broken in the ways that files in the wild are
// (truncated downloads, images written by careless tools, files that are
// not D88 at all), each under a name. The malformed-input tests run every
// program on them, and the fuzz targets start from them.
//
// Most are made from OddBase(): one disk of two tracks (index 0 and 1) of
// sectors 1 to 16, 256 bytes each, contents SectorText("odd", ...).
#ifndef TESTS_SUPPORT_ODD_IMAGES_H_
#define TESTS_SUPPORT_ODD_IMAGES_H_

#include <string>
#include <vector>

#include "d88_builder.h"

// Layout of OddBase(): the header, then 16 records of 16 + 256 bytes per
// track.
constexpr size_t kOddRecordSize = 16 + 256;
constexpr size_t kOddTrackSize = 16 * kOddRecordSize;
constexpr size_t kOddTrack1 = D88Disk::kHeaderSize + kOddTrackSize;

inline D88Disk OddBase() {
  D88Disk disk("odd");
  disk.Format(2);
  return disk;
}

// The first |size| bytes of |bytes|.
inline Bytes Truncated(Bytes bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

struct OddImage {
  std::string name;
  Bytes bytes;
};

inline std::vector<OddImage> OddImages() {
  const Bytes base = OddBase().Build();
  auto with = [](auto change) {
    D88Disk disk = OddBase();
    change(disk);
    return disk.Build();
  };
  std::vector<Bytes> sixtyFive;
  for (int i = 0; i < 65; ++i) {
    sixtyFive.push_back(D88Disk("odd").FormatTrack(0, 1, 1).Build());
  }
  return {
      {"empty file", {}},
      {"shorter than a header", Truncated(base, D88Disk::kHeaderSize - 1)},
      {"header only", D88Disk().Build()},
      // Inside the header of track 0's sector 4, and inside the data of
      // its sector 3.
      {"truncated in a record header",
       Truncated(base, D88Disk::kHeaderSize + 3 * kOddRecordSize + 8)},
      {"truncated in sector data",
       Truncated(base, D88Disk::kHeaderSize + 2 * kOddRecordSize + 16 + 100)},
      {"track entry past the end of the file",
       with([](D88Disk& d) { d.DiskSize(0x100000).TrackOffset(1, 0x80000); })},
      // Track 1's records are in the file, but past the disk's size.
      {"track entry past the disk size",
       with([](D88Disk& d) { d.DiskSize(kOddTrack1 - 1); })},
      {"disk size 0", with([](D88Disk& d) { d.DiskSize(0); })},
      {"disk size 688",
       with([](D88Disk& d) { d.DiskSize(D88Disk::kHeaderSize); })},
      {"disk size 0x7FFFFFFF",
       with([](D88Disk& d) { d.DiskSize(0x7FFFFFFF); })},
      {"disk size 0xFFFFFFFF",
       with([](D88Disk& d) { d.DiskSize(0xFFFFFFFF); })},
      {"sector count 0", with([](D88Disk& d) { d.Sector(0, 1).count = 0; })},
      {"sector count 65535", with([](D88Disk& d) {
         for (int r = 1; r <= 16; ++r) d.Sector(0, r).count = 65535;
       })},
      // Sector 2 of track 0 claims all that follows it, and more.
      {"data size beyond the file",
       with([](D88Disk& d) { d.Sector(0, 2).dataSize = 0xFFFF; })},
      {"more than 64 images", Concat(sixtyFive)},
      // Sector 5 is stored short, sectors of several size codes follow on
      // track 1, and one of size code 24.
      {"odd sizes", with([](D88Disk& d) {
         d.Sector(0, 5).data.resize(100);
         d.FormatTrack(1, 1, 4, 2)
             .Add(1, {0, 1, 5, 0, SectorText("odd", 1, 5, 128)});
         d.Add(1, {0, 1, 6, 24, Fill(256, 0x24)});
       })},
  };
}

#endif  // TESTS_SUPPORT_ODD_IMAGES_H_
