// Read-only access to D88 floppy-disk image files.
//
// A D88 file holds one or more disk images back to back. Each image starts
// with a 688-byte disk header (name, media type, the image's size and a table
// of 164 track offsets) and goes on with the sector records of its tracks: a
// 16-byte record header (C, H, R, N, sector count, data size) followed by the
// sector's data. Multi-byte fields are little-endian.
#ifndef D88_D88IMAGE_H_
#define D88_D88IMAGE_H_

#include <cstdint>
#include <cstdio>

// Little-endian unsigned reads from bytes with no alignment requirement.
uint32_t ReadLE32(const uint8_t* p);
uint16_t ReadLE16(const uint8_t* p);

// D88Image owns the stream of one D88 file, indexes up to kMaxDisks disk
// images in it, and reads sectors of the selected one into buffers that the
// caller owns. It never prints, never throws and allocates nothing besides
// its stream: failures come back as false or as a byte count of 0 (or a
// short count). Not copyable; one thread at a time, since every read moves
// the stream.
class D88Image {
 public:
  static constexpr int kMaxDisks = 64;
  static constexpr int kTrackCount = 164;
  // Disk header: name (17 bytes), unread (10), media type (1), disk size (4),
  // then the track table.
  static constexpr int kNameOffset = 0x00;
  static constexpr int kNameLength = 16;
  static constexpr int kMediaTypeOffset = 0x1B;
  static constexpr int kDiskSizeOffset = 0x1C;
  static constexpr int kTrackTableOffset = 0x20;
  static constexpr int kHeaderSize = kTrackTableOffset + 4 * kTrackCount;
  // Record header: C, H, R, N (1 byte each), sector count (2), unread (8),
  // data size (2).
  static constexpr int kRecordCountOffset = 4;
  static constexpr int kRecordDataSizeOffset = 14;
  static constexpr int kRecordHeaderSize = 16;

  D88Image() = default;
  ~D88Image() { Close(); }
  D88Image(const D88Image&) = delete;
  D88Image& operator=(const D88Image&) = delete;

  // Closes the file if one is open. Selection fields and the sector range
  // stay as they are.
  void Close();

  // With a null path: closes any open file and clears the disk count, the
  // current disk and the media type; returns true. Otherwise opens |path|
  // for binary reading (closing a file already open first) and indexes the
  // disk images in it. Returns false only when the file cannot be opened; a
  // file without one complete disk header opens with a disk count of 0.
  bool Open(const char* path);

  int GetDiskCount() const { return diskCount_; }

  // Loads the header of disk |index|. False, with nothing changed, when no
  // file is open; false, with the selection cleared, when |index| is not a
  // disk of the file. The sector range is never touched.
  bool SelectDisk(int index);

  int GetCurrentDisk() const { return currentDisk_; }
  // The selected disk's name: up to 16 characters, always NUL-terminated.
  const char* GetDiskName() const { return name_; }
  int GetMediaType() const { return mediaType_; }

  // Sector numbers with which a run resumes on the next track (|first|) and
  // after which it moves on to it (|last|). Not checked; 1 and 16 at first.
  void SetSectorRange(int first, int last) {
    firstSector_ = first;
    lastSector_ = last;
  }

  // Copies the data of the first record on track |trackIndex| whose id is
  // (c, h, r, n) into |buffer|, at most |length| bytes. Returns the count
  // copied; 0 when the track or the sector is not there, in which case the
  // buffer is untouched.
  int ReadSector(int trackIndex, int c, int h, int r, int n, uint8_t* buffer,
                 int length);

  // Reads |length| bytes of consecutive sectors of size code |n| into
  // |buffer|, starting at (trackIndex, c, h, r, n). After the last sector of
  // the range the run goes on with the first sector of the next track index,
  // the head alternating and the cylinder rising after head 1. Returns the
  // bytes read before the first sector that could not deliver its piece.
  int ReadSectors(int trackIndex, int c, int h, int r, int n, uint8_t* buffer,
                  int length);

  // Lists the ids (C, H, R, N: 4 bytes each) of track |trackIndex| in stored
  // order, as many as fit in |capacity| bytes. Returns the bytes written.
  int GetSectorIds(int trackIndex, uint8_t* buffer, int capacity);

 private:
  // Seeks to the first record of |trackIndex| of the selected disk; false
  // when the track cannot be there.
  bool SeekTrack(int trackIndex);
  // Reads one record header; false when it cannot be read whole.
  bool ReadRecordHeader(uint8_t* header);

  FILE* file_ = nullptr;
  int32_t currentDisk_ = -1;
  int32_t diskCount_ = 0;
  int32_t firstSector_ = 1;
  int32_t lastSector_ = 16;
  int32_t diskOffsets_[kMaxDisks] = {};
  int32_t diskSize_ = 0;
  int32_t diskBase_ = -1;
  int32_t trackOffsets_[kTrackCount] = {};
  int32_t mediaType_ = -1;
  char name_[kNameLength + 1] = {};
};

#endif  // D88_D88IMAGE_H_
