#include "d88image.h"

#include <cstring>

namespace {

// Offsets and sizes are held as 32-bit signed values; a field of 2^31 or
// more becomes negative (the conversion is modular on every compiler we
// build with), which every bounds check below treats as out of range.
int32_t ToInt32(uint32_t v) { return static_cast<int32_t>(v); }

// No stored count can exceed 65535, so a walk that has gone past that many
// records can never meet its end by count: it is taken as the track's end.
// This keeps a walk over an endless stream (a device) finite.
constexpr int kMaxRecordsPerTrack = 65535;

}  // namespace

uint32_t ReadLE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t ReadLE16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

void D88Image::Close() {
  if (file_ != nullptr) {
    fclose(file_);
    file_ = nullptr;
  }
}

bool D88Image::Open(const char* path) {
  Close();
  if (path == nullptr) {
    diskCount_ = 0;
    currentDisk_ = -1;
    mediaType_ = -1;
    return true;
  }
  file_ = fopen(path, "rb");
  if (file_ == nullptr) return false;

  // Each disk image starts where the previous one's size field says. The
  // sum is kept in 64 bits and indexing stops once it leaves the range of
  // 32-bit offsets, so no size field can make it wrap.
  diskCount_ = 0;
  int64_t offset = 0;
  uint8_t header[kHeaderSize];
  while (diskCount_ < kMaxDisks) {
    if (fseek(file_, static_cast<long>(offset), SEEK_SET) != 0 ||
        fread(header, 1, kHeaderSize, file_) != kHeaderSize) {
      break;
    }
    diskOffsets_[diskCount_] = static_cast<int32_t>(offset);
    ++diskCount_;
    offset += ReadLE32(header + kDiskSizeOffset);
    if (offset > INT32_MAX) break;
  }
  // A path that names something unreadable as a file (a directory) fails
  // its first read with an error rather than at the end of the file.
  if (diskCount_ == 0 && ferror(file_)) {
    Close();
    return false;
  }
  return true;
}

bool D88Image::SelectDisk(int index) {
  if (file_ == nullptr) return false;
  diskBase_ = -1;
  currentDisk_ = -1;
  mediaType_ = -1;
  diskSize_ = 0;
  memset(name_, 0, sizeof name_);
  if (index < 0 || index >= diskCount_) return false;

  uint8_t header[kHeaderSize];
  if (fseek(file_, diskOffsets_[index], SEEK_SET) != 0 ||
      fread(header, 1, kHeaderSize, file_) != kHeaderSize) {
    return false;  // The file changed since it was indexed.
  }
  diskBase_ = diskOffsets_[index];
  for (int i = 0; i < kTrackCount; ++i) {
    trackOffsets_[i] = ToInt32(ReadLE32(header + kTrackTableOffset + 4 * i));
  }
  mediaType_ = header[kMediaTypeOffset];
  diskSize_ = ToInt32(ReadLE32(header + kDiskSizeOffset));
  for (int i = 0; i < kNameLength && header[kNameOffset + i] != 0; ++i) {
    name_[i] = static_cast<char>(header[kNameOffset + i]);
  }
  currentDisk_ = index;
  return true;
}

bool D88Image::SeekTrack(int trackIndex) {
  if (file_ == nullptr || trackIndex < 0 || trackIndex >= kTrackCount) {
    return false;
  }
  const int32_t entry = trackOffsets_[trackIndex];
  // An entry equal to the disk size passes: the walk then meets whatever
  // follows, or the end of the file.
  if (entry <= 0 || entry > diskSize_ || diskBase_ < 0) return false;
  const int64_t position = static_cast<int64_t>(diskBase_) + entry;
  if (position > INT32_MAX) return false;
  return fseek(file_, static_cast<long>(position), SEEK_SET) == 0;
}

bool D88Image::ReadRecordHeader(uint8_t* header) {
  return fread(header, 1, kRecordHeaderSize, file_) == kRecordHeaderSize;
}

int D88Image::ReadSector(int trackIndex, int c, int h, int r, int n,
                         uint8_t* buffer, int length) {
  if (length <= 0 || !SeekTrack(trackIndex)) return 0;
  uint8_t header[kRecordHeaderSize];
  for (int i = 0; i < kMaxRecordsPerTrack; ++i) {
    if (!ReadRecordHeader(header)) return 0;
    const int count = ReadLE16(header + kRecordCountOffset);
    const int dataSize = ReadLE16(header + kRecordDataSizeOffset);
    // A count of 0 ends the walk before the id is even looked at.
    if (count == 0) return 0;
    if (header[0] == c && header[1] == h && header[2] == r && header[3] == n) {
      const size_t wanted = dataSize < length ? dataSize : length;
      // Data cut short by the end of the file delivers only what was read.
      return static_cast<int>(fread(buffer, 1, wanted, file_));
    }
    if (fseek(file_, dataSize, SEEK_CUR) != 0) return 0;
    if (i == count - 1) return 0;
  }
  return 0;
}

int D88Image::ReadSectors(int trackIndex, int c, int h, int r, int n,
                          uint8_t* buffer, int length) {
  // A size code whose sector size does not fit in an int reads the whole
  // remaining length as one piece.
  const int pieceLength = n >= 0 && n <= 23 ? 128 << n : length;
  int done = 0;
  while (done < length) {
    const int piece = pieceLength < length - done ? pieceLength : length - done;
    if (ReadSector(trackIndex, c, h, r, n, buffer + done, piece) < piece) {
      return done;
    }
    done += piece;
    // The values only grow after a sector was found, so they stay small:
    // a track index below 164, bytes C and R below 256.
    if (r == lastSector_) {
      ++trackIndex;
      if (h == 0) {
        h = 1;
      } else {
        h = 0;
        ++c;
      }
      r = firstSector_;
    } else {
      ++r;
    }
  }
  return done;
}

int D88Image::GetSectorIds(int trackIndex, uint8_t* buffer, int capacity) {
  if (!SeekTrack(trackIndex)) return 0;
  uint8_t header[kRecordHeaderSize];
  int written = 0;
  // Unlike ReadSector, a count of 0 does not end the listing: it can then
  // only end at the capacity or at the end of the file.
  for (int i = 0; capacity - written >= 4 && i < kMaxRecordsPerTrack; ++i) {
    if (!ReadRecordHeader(header)) break;
    memcpy(buffer + written, header, 4);
    written += 4;
    const int count = ReadLE16(header + kRecordCountOffset);
    if (fseek(file_, ReadLE16(header + kRecordDataSizeOffset), SEEK_CUR) != 0) {
      break;
    }
    if (i == count - 1) break;
  }
  return written;
}
