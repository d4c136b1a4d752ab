// Test-only: composes D88 files in memory, one disk image at a time.
//
//   D88Disk disk;
//   disk.Format(80);                     // 80 tracks of 16 x 256 bytes
//   disk.Poke(0, 16, 0, 0x41);           // byte 0 of track 0, sector 16
//   disk.Add(3, {1, 1, 5, 1, Fill(256, 0xAA)});  // an extra record
//   std::vector<uint8_t> file = Concat({disk.Build(), other.Build()});
//
// Records keep every field settable (count, data size field), so a test can
// write any malformed record; Build() lays them out and fills in the track
// table and the disk size unless they were overridden.
#ifndef TESTS_SUPPORT_D88_BUILDER_H_
#define TESTS_SUPPORT_D88_BUILDER_H_

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline Bytes Fill(size_t n, uint8_t value) { return Bytes(n, value); }

// Recognisable sector contents: the text "<label> T<track> R<r> " repeated,
// so every sector of every disk differs and a hex dump shows where it came
// from.
inline Bytes SectorText(const std::string& label, int track, int r,
                        size_t size = 256) {
  char tag[64];
  snprintf(tag, sizeof tag, "%s T%03d R%02d ", label.c_str(), track, r);
  const std::string text = tag;
  Bytes out(size);
  for (size_t i = 0; i < size; ++i) out[i] = text[i % text.size()];
  return out;
}

inline Bytes Concat(const std::vector<Bytes>& parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

struct D88Record {
  int c = 0, h = 0, r = 1, n = 1;
  Bytes data;
  int count = -1;     // Sector count field; -1: the records on the track.
  int dataSize = -1;  // Data size field; -1: data.size().
};

class D88Disk {
 public:
  static constexpr size_t kHeaderSize = 0x2B0;

  explicit D88Disk(std::string label = "disk") : label_(std::move(label)) {}

  D88Disk& Name(const std::string& name) {
    name_ = name;
    return *this;
  }
  D88Disk& Media(uint8_t type) {
    media_ = type;
    return *this;
  }
  // Appends a record to track |track| (in stored order).
  D88Disk& Add(int track, D88Record record) {
    tracks_[track].push_back(std::move(record));
    return *this;
  }
  // Track |track| as a standard one: sectors |first|..|last| of size code
  // |n|, id C = track / 2, H = track % 2, contents SectorText.
  D88Disk& FormatTrack(int track, int first = 1, int last = 16, int n = 1) {
    tracks_[track].clear();
    for (int r = first; r <= last; ++r) {
      Add(track, {track / 2, track % 2, r, n,
                  SectorText(label_, track, r, size_t{128} << n)});
    }
    return *this;
  }
  // Tracks 0 to |tracks| - 1 formatted as FormatTrack does.
  D88Disk& Format(int tracks = 80) {
    for (int t = 0; t < tracks; ++t) FormatTrack(t);
    return *this;
  }
  D88Disk& RemoveTrack(int track) {
    tracks_.erase(track);
    return *this;
  }
  // Removes the records of |track| with sector number |r|.
  D88Disk& RemoveSector(int track, int r) {
    std::vector<D88Record>& records = tracks_[track];
    for (size_t i = records.size(); i-- > 0;) {
      if (records[i].r == r) records.erase(records.begin() + i);
    }
    return *this;
  }
  // The first record of |track| with sector number |r|; it must exist.
  D88Record& Sector(int track, int r) {
    for (D88Record& record : tracks_.at(track)) {
      if (record.r == r) return record;
    }
    return tracks_.at(track).at(size_t(-1));  // Throws: no such sector.
  }
  D88Disk& Poke(int track, int r, size_t offset, uint8_t value) {
    Sector(track, r).data.at(offset) = value;
    return *this;
  }
  // Overrides of the header fields that Build() computes.
  D88Disk& DiskSize(uint32_t size) {
    diskSize_ = size;
    return *this;
  }
  D88Disk& TrackOffset(int track, uint32_t offset) {
    offsetOverrides_[track] = offset;
    return *this;
  }

  Bytes Build() const {
    Bytes out(kHeaderSize, 0);
    for (size_t i = 0; i < name_.size() && i < 17; ++i) out[i] = name_[i];
    out[0x1B] = media_;
    for (const auto& [track, records] : tracks_) {
      if (!records.empty()) PutLE32(out, 0x20 + 4 * track, out.size());
      for (const D88Record& record : records) {
        const int count = record.count >= 0 ? record.count : records.size();
        const int size =
            record.dataSize >= 0 ? record.dataSize : record.data.size();
        const uint8_t header[16] = {uint8_t(record.c),
                                    uint8_t(record.h),
                                    uint8_t(record.r),
                                    uint8_t(record.n),
                                    uint8_t(count),
                                    uint8_t(count >> 8),
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    uint8_t(size),
                                    uint8_t(size >> 8)};
        out.insert(out.end(), header, header + 16);
        out.insert(out.end(), record.data.begin(), record.data.end());
      }
    }
    for (const auto& [track, offset] : offsetOverrides_) {
      PutLE32(out, 0x20 + 4 * track, offset);
    }
    PutLE32(out, 0x1C, diskSize_ >= 0 ? diskSize_ : int64_t(out.size()));
    return out;
  }

  // The bytes that sectors |r| onward of |track| hold, |length| bytes,
  // moving on to sector 1 of the next track index after sector 16: what a
  // run over this disk should deliver.
  Bytes Run(int track, int r, size_t length) const {
    Bytes out;
    while (out.size() < length) {
      const Bytes& data = FindData(track, r);
      out.insert(out.end(), data.begin(), data.end());
      if (r == 16) {
        ++track;
        r = 1;
      } else {
        ++r;
      }
    }
    out.resize(length);
    return out;
  }

 private:
  static void PutLE32(Bytes& out, size_t at, uint64_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
  }
  const Bytes& FindData(int track, int r) const {
    for (const D88Record& record : tracks_.at(track)) {
      if (record.r == r) return record.data;
    }
    return tracks_.at(track).at(size_t(-1)).data;  // Throws: no such sector.
  }

  std::string label_;
  std::string name_;
  uint8_t media_ = 0;
  int64_t diskSize_ = -1;
  std::map<int, std::vector<D88Record>> tracks_;
  std::map<int, uint32_t> offsetOverrides_;
};

#endif  // TESTS_SUPPORT_D88_BUILDER_H_
