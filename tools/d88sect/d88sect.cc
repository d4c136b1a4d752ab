#include "d88sect.h"

#include <cstdio>

#include "d88image.h"
#include "messages.h"
#include "output_file.h"

// Room for 64 sector ids of 4 bytes (C, H, R, N), filled once and sorted.
uint8_t g_sectorIds[256];
// The run is read here from its first byte; the output is a slice of it.
uint8_t g_buffer[0xB4000];

namespace {

constexpr int kIdSize = 4;
constexpr int kIdR = 2;
constexpr int kIdN = 3;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

int DigitValue(char c, int base) {
  int value = base;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Scans an optionally signed number in |base| after leading blanks, as a
// scanf conversion does; a base-16 number may carry its own "0x" prefix,
// which scanf reads as 0 when no digit follows it. The magnitude saturates
// far above any 32-bit value. False when no number is there.
bool ScanNumber(const char* p, int base, bool* negative, uint64_t* magnitude) {
  while (IsBlank(*p)) ++p;
  *negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  bool seen = false;
  if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    p += 2;
    seen = true;
  }
  *magnitude = 0;
  for (int d; (d = DigitValue(*p, base)) >= 0; ++p) {
    if (*magnitude < (uint64_t{1} << 40)) *magnitude = *magnitude * base + d;
    seen = true;
  }
  return seen;
}

// Orders the ids by R (an unsigned byte) with an exchange sort that keeps
// ids of equal R in their stored order.
void SortIdsBySector(uint8_t* ids, int count) {
  for (int pass = 0; pass < count - 1; ++pass) {
    for (int i = 0; i < count - 1; ++i) {
      uint8_t* a = ids + i * kIdSize;
      uint8_t* b = a + kIdSize;
      if (a[kIdR] > b[kIdR]) {
        for (int k = 0; k < kIdSize; ++k) {
          const uint8_t t = a[k];
          a[k] = b[k];
          b[k] = t;
        }
      }
    }
  }
}

// The exit paths after the D88 file was opened; the D88Image of the caller
// closes it on return.
int Fail(const char* message) {
  fputs(message, stderr);
  return 1;
}

}  // namespace

int32_t ParseNumber(const char* text) {
  bool negative;
  uint64_t magnitude;
  if (text[0] == '0' && text[1] == 'x' &&
      ScanNumber(text + 2, 16, &negative, &magnitude)) {
    if (magnitude > 0xFFFFFFFFu) return -1;  // Saturated at 0xFFFFFFFF.
    const uint32_t bits = static_cast<uint32_t>(magnitude);
    // Conversion to int32_t is modular on every compiler we build with.
    return static_cast<int32_t>(negative ? 0u - bits : bits);
  }
  if (ScanNumber(text, 10, &negative, &magnitude)) {
    if (negative) {
      return magnitude >= 0x80000000u ? INT32_MIN
                                      : -static_cast<int32_t>(magnitude);
    }
    return magnitude > INT32_MAX ? INT32_MAX : static_cast<int32_t>(magnitude);
  }
  return 0;
}

int D88SectMain(int argc, char** argv) {
  if (argc < 6) {
    fprintf(stderr, kMsgSectUsage, argc > 0 ? argv[0] : "d88sect");
    fputs(kMsgSectUsageSize, stderr);
    return 1;
  }
  const int32_t diskIndex = ParseNumber(argv[3]);
  const int32_t trackIndex = ParseNumber(argv[4]);
  const int32_t sector = ParseNumber(argv[5]);
  const int32_t offset = argc > 7 ? ParseNumber(argv[7]) : 0;

  D88Image image;
  if (!image.Open(argv[1])) return Fail(kMsgCannotOpen);
  if (diskIndex < 0 || diskIndex >= image.GetDiskCount()) {
    return Fail(kMsgNoSuchDisk);
  }
  image.SelectDisk(diskIndex);

  const int idCount =
      image.GetSectorIds(trackIndex, g_sectorIds, sizeof g_sectorIds) / kIdSize;
  if (idCount == 0) return Fail(kMsgTrackNotFormatted);
  SortIdsBySector(g_sectorIds, idCount);
  const int firstR = g_sectorIds[kIdR];
  const int lastR = g_sectorIds[(idCount - 1) * kIdSize + kIdR];
  image.SetSectorRange(firstR, lastR);

  // The size code is taken from the sorted table as if the track's sector
  // numbers had no gaps from the lowest one; a sector number outside the
  // table has no size code and so cannot be on the track.
  const int64_t position = static_cast<int64_t>(sector) - firstR;
  if (position < 0 || position >= idCount) return Fail(kMsgNoSuchSector);
  const int sizeCode = g_sectorIds[position * kIdSize + kIdN];

  // Without a size, one sector of the run's size code. A request that does
  // not fit in g_buffer is refused before anything is read.
  int64_t size = 0;
  if (argc > 6) {
    size = ParseNumber(argv[6]);
  } else {
    size = sizeCode <= 23 ? int64_t{128} << sizeCode : INT64_MAX;
  }
  if (size < 0 || offset < 0 ||
      size > static_cast<int64_t>(sizeof g_buffer) - offset) {
    return Fail(kMsgBadSizeOffset);
  }
  const int runLength = static_cast<int>(size + offset);
  if (image.ReadSectors(trackIndex, trackIndex / 2, trackIndex % 2, sector,
                        sizeCode, g_buffer, runLength) == 0) {
    return Fail(kMsgNoSuchSector);
  }
  printf(kMsgSectProgress, diskIndex, trackIndex, sector,
         static_cast<int>(size), offset);
  fflush(stdout);

  // Past what the run read, the slice holds the zeros g_buffer started with
  // (or what a short last sector already copied): the file is always |size|
  // bytes long.
  FILE* output = nullptr;
  if (!WriteOutputFile(argv[2], argv[1], g_buffer + offset,
                       static_cast<int>(size), output)) {
    return 1;
  }
  return 0;
}
