// Fuzzes D88Image: opens the input's D88 file, selects every disk index
// from -1 to the disk count, and applies the input's operations to each
// (fuzz_inputs.h). Besides the sanitizers' checks, every result must keep
// the class's contract:
// - counts stay within what was asked for;
// - each sector's bytes that a read counts as delivered were read, in one
//   piece, from the data of a record whose header was read just as whole
//   and carries the id asked for and a data size that covers them;
// - a listed id is the start of a record header that was read;
// - bytes of the caller's buffer past the count stay untouched, but for
//   what the sector at which a run stopped already copied.
#include <cstring>
#include <string>
#include <vector>

#include "d88image.h"
#include "fuzz_inputs.h"
#include "fuzz_support.h"

namespace {

using fuzz_input::Op;

constexpr int kMaxLength = 0xFFFF;
constexpr int kGuard = 64;  // Bytes past the length that must not change.
constexpr uint8_t kCanary = 0xA5;
uint8_t g_buffer[kMaxLength + kGuard];
uint8_t g_canaries[kMaxLength + kGuard];  // All kCanary.

struct Image {
  const uint8_t* bytes;
  size_t size;
};

// Bytes [from, from + count) of g_buffer came from the data of one record
// whose id has size code |n| and, when |c| is not -1, the bytes c, h, r.
void CheckRecordData(const Image& image, int from, int count, int c, int h,
                     int r, int n) {
  const int64_t start = Provenance::SourceOf(from);
  Check(start != Provenance::kNotRead, "a delivered byte was never read");
  for (int k = 0; k < count; ++k) {
    Check(Provenance::SourceOf(from + k) == start + k,
          "a sector's bytes were not read in one piece");
  }
  const int64_t header = start - D88Image::kRecordHeaderSize;
  Check(header >= 0 && Provenance::WasRead(header, D88Image::kRecordHeaderSize),
        "sector data without a whole record header read before it");
  const uint8_t* h16 = image.bytes + header;
  Check(h16[3] == n, "a sector of another size code was read");
  if (c >= 0) {
    Check(h16[0] == c && h16[1] == h && h16[2] == r,
          "a sector of another id was read");
  }
  Check(ReadLE16(h16 + D88Image::kRecordCountOffset) != 0,
        "a record with a sector count of 0 was read");
  Check(ReadLE16(h16 + D88Image::kRecordDataSizeOffset) >= count,
        "more bytes were delivered than the record's data size");
  Check(memcmp(g_buffer + from, image.bytes + start, count) == 0,
        "delivered bytes differ from the file's");
}

// Nothing in g_buffer from |from| to the guard's end was read or changed.
void CheckUntouched(int from, int length) {
  const size_t end = length + kGuard;
  for (size_t i = from; i < end && i < Provenance::ReadEnd(); ++i) {
    Check(Provenance::SourceOf(i) == Provenance::kNotRead,
          "a byte past the count was read");
  }
  Check(memcmp(g_buffer + from, g_canaries, end - from) == 0,
        "a byte past the count was changed");
}

void Apply(D88Image& d88, const Image& image, const Op& op) {
  const int track = fuzz_input::OpTrack(op);
  const int n = fuzz_input::OpSizeCode(op);
  const int length = op.length;
  memcpy(g_buffer, g_canaries, length + kGuard);
  Provenance::Watch(g_buffer, sizeof g_buffer);
  switch (op.kind % 4) {
    case fuzz_input::kReadSector: {
      const int got =
          d88.ReadSector(track, op.c, op.h, op.r, n, g_buffer, length);
      Check(got >= 0 && got <= length, "ReadSector count out of range");
      if (got > 0) CheckRecordData(image, 0, got, op.c, op.h, op.r, n);
      CheckUntouched(got, length);
      break;
    }
    case fuzz_input::kReadSectors: {
      const int done =
          d88.ReadSectors(track, op.c, op.h, op.r, n, g_buffer, length);
      Check(done >= 0 && done <= length, "ReadSectors count out of range");
      const int piece = n >= 0 && n <= 23 ? 128 << n : length;
      Check(done == length || done % piece == 0,
            "ReadSectors stopped inside a sector");
      for (int at = 0; at < done; at += piece) {
        const int count = done - at < piece ? done - at : piece;
        if (at == 0) {
          CheckRecordData(image, 0, count, op.c, op.h, op.r, n);
        } else {
          CheckRecordData(image, at, count, -1, 0, 0, n);
        }
      }
      // The sector at which the run stopped may have copied a part.
      int copied = 0;
      while (done + copied < length &&
             Provenance::SourceOf(done + copied) != Provenance::kNotRead) {
        ++copied;
      }
      Check(copied == 0 || copied < piece,
            "a whole piece was copied but not counted");
      if (copied > 0) CheckRecordData(image, done, copied, -1, 0, 0, n);
      CheckUntouched(done + copied, length);
      break;
    }
    case fuzz_input::kGetSectorIds: {
      const int written = d88.GetSectorIds(track, g_buffer, length);
      Check(written >= 0 && written <= length && written % 4 == 0,
            "GetSectorIds count out of range");
      // One whole record header is read per id listed, in order.
      const std::vector<int64_t> headers =
          Provenance::ReadsOf(D88Image::kRecordHeaderSize);
      Check(headers.size() == static_cast<size_t>(written / 4),
            "ids listed and record headers read differ in number");
      for (int k = 0; k < written / 4; ++k) {
        Check(memcmp(g_buffer + 4 * k, image.bytes + headers[k], 4) == 0,
              "a listed id is not the start of its record header");
      }
      CheckUntouched(written, length);
      break;
    }
    default:
      d88.SetSectorRange(op.c, op.r);
      break;
  }
  Provenance::Unwatch();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  if (g_canaries[0] != kCanary) memset(g_canaries, kCanary, sizeof g_canaries);
  size_t opCount = data[0] & fuzz_input::kMaxOps;
  if (opCount > (size - 1) / fuzz_input::kOpSize) {
    opCount = (size - 1) / fuzz_input::kOpSize;
  }
  Op ops[fuzz_input::kMaxOps];
  for (size_t i = 0; i < opCount; ++i) {
    const uint8_t* p = data + 1 + i * fuzz_input::kOpSize;
    ops[i] = {p[0],
              p[1],
              p[2],
              p[3],
              p[4],
              p[5],
              static_cast<uint16_t>(p[6] | p[7] << 8)};
  }
  const size_t skip = 1 + opCount * fuzz_input::kOpSize;
  const Image image = {data + skip, size - skip};
  const std::string path = ScratchPath() + "/image.d88";
  WriteWholeFile(path, image.bytes, image.size);

  D88Image d88;
  Check(d88.Open(path.c_str()), "a readable file did not open");
  const int count = d88.GetDiskCount();
  Check(count >= 0 && count <= D88Image::kMaxDisks, "disk count out of range");
  Check((count == 0) == (image.size < D88Image::kHeaderSize),
        "a whole first header was not indexed");
  for (int index = -1; index <= count; ++index) {
    const bool selected = d88.SelectDisk(index);
    Check(selected == (index >= 0 && index < count), "SelectDisk result");
    Check(d88.GetCurrentDisk() == (selected ? index : -1), "current disk");
    Check(selected ? d88.GetMediaType() >= 0 && d88.GetMediaType() <= 255
                   : d88.GetMediaType() == -1,
          "media type");
    const size_t nameLength = strlen(d88.GetDiskName());
    Check(selected ? nameLength <= 16 : nameLength == 0, "disk name");
    for (size_t i = 0; i < opCount; ++i) Apply(d88, image, ops[i]);
  }
  return 0;
}
