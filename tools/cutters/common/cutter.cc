#include "cutter.h"

#include "messages.h"
#include "output_file.h"

D88Image g_image;
uint8_t g_buffer[kCutterBufferSize];
FILE* g_output = nullptr;

namespace {

constexpr int kSectorSize = 256;
constexpr int kSizeCode = 1;  // Every cut reads 256-byte sectors.

const char* g_inputPath = nullptr;  // Output files never replace it.
bool g_writeFailed = false;         // A file the user asked for is missing.

void CutSeries(const Series& series) {
  for (int k = 0; series.entries[k].r != 0; ++k) {
    const SeriesEntry& e = series.entries[k];
    char name[32];
    snprintf(name, sizeof name, series.format, series.firstNumber + k);
    CutFile(name, e.trackIndex, e.trackIndex / 2, e.trackIndex % 2, e.r,
            kSizeCode, e.offset, e.length);
  }
}

void CutPositions(const PositionSeries& series) {
  for (int k = 0; k < series.positions.count; ++k) {
    const int trackIndex = series.positions.items[k] / 16;
    const int r = series.positions.items[k] % 16 + 1;
    char name[32];
    snprintf(name, sizeof name, series.format, k);
    CutFile(name, trackIndex, trackIndex / 2, trackIndex % 2, r, kSizeCode, 0,
            series.length);
  }
}

void CutRole(const Role& role) {
  if (role.message != nullptr) fputs(role.message, stdout);
  for (int i = 0; i < role.cuts.count; ++i) {
    const Cut& cut = role.cuts.items[i];
    CutFile(cut.name, cut.trackIndex, cut.c, cut.h, cut.r, cut.n, cut.offset,
            cut.length);
  }
  for (int i = 0; i < role.series.count; ++i) CutSeries(role.series.items[i]);
  if (role.positions != nullptr) CutPositions(*role.positions);
}

// Reads the identification sectors of the selected disk into g_buffer and
// returns the role their bytes select, or null. Bytes that this read did
// not deliver (an earlier read's, or the initial zeros) never select one.
const Role* Recognise(const Title& title) {
  const Identification& id = title.id;
  const int delivered =
      id.sectors == 1
          ? g_image.ReadSector(id.trackIndex, id.c, id.h, id.r, kSizeCode,
                               g_buffer, kSectorSize)
          : g_image.ReadSectors(id.trackIndex, id.c, id.h, id.r, kSizeCode,
                                g_buffer, id.sectors * kSectorSize);
  if (delivered <= id.bytePosition) return nullptr;
  for (int i = 0; i < title.roles.count; ++i) {
    const Role& role = title.roles.items[i];
    if (g_buffer[id.bytePosition] != role.idByte) continue;
    if (role.secondByte == kAnyByte ||
        (delivered > id.secondPosition &&
         g_buffer[id.secondPosition] == role.secondByte)) {
      return &role;
    }
  }
  return nullptr;
}

int Usage(const Title& title, int argc, char** argv) {
  fprintf(stderr, title.usage, argc > 0 ? argv[0] : "");
  return 1;
}

}  // namespace

bool CutFile(const char* name, int trackIndex, int c, int h, int r, int n,
             int offset, int length) {
  // The tables keep every cut inside g_buffer; a cut that does not fit is
  // never read.
  if (offset < 0 || length < 0 || length > kCutterBufferSize - offset) {
    return false;
  }
  const int wanted = offset + length;
  const int got = g_image.ReadSectors(trackIndex, c, h, r, n, g_buffer, wanted);
  if (got == 0) return false;
  printf(kMsgCutting, name);

  // A run that stopped part-way gives only the slice bytes it read: the
  // rest of g_buffer holds what earlier reads left there.
  int slice = length;
  if (got < wanted) {
    slice = got - offset;
    if (slice < 0) slice = 0;
  }
  if (!WriteOutputFile(name, g_inputPath, g_buffer + offset, slice, g_output)) {
    g_writeFailed = true;
  } else if (slice < length) {
    fprintf(stderr, kMsgPartialCut, name, slice, length);
  }
  return true;
}

int RunTitle(const Title& title, int argc, char** argv) {
  const Role* forced = nullptr;
  if (title.shape == TitleShape::kDiskNumber) {
    if (argc < 2 || argc > 3) return Usage(title, argc, argv);
    if (argc == 3) {
      // Only the first character counts: "1", "1x" and "12" are all disk 1.
      const int number = static_cast<unsigned char>(argv[2][0]) - '0';
      if (number < 1 || number > title.roles.count) {
        return Usage(title, argc, argv);
      }
      forced = &title.roles.items[number - 1];
    }
  } else if (argc != 2) {
    return Usage(title, argc, argv);
  }

  g_inputPath = argv[1];
  g_writeFailed = false;
  if (!g_image.Open(argv[1])) {
    fputs(kMsgCannotOpen, stderr);
    return 1;
  }

  if (title.shape == TitleShape::kFirstDiskOnly) {
    g_image.SelectDisk(0);
    g_image.SetSectorRange(1, 16);
    CutRole(title.roles.items[0]);
    return g_writeFailed ? 1 : 0;
  }

  const int diskCount = g_image.GetDiskCount();
  for (int index = 0; index < diskCount; ++index) {
    g_image.SelectDisk(index);
    g_image.SetSectorRange(1, 16);
    // With a disk number the byte is read all the same, but decides nothing.
    const Role* role = Recognise(title);
    if (forced != nullptr) role = forced;
    if (role != nullptr) {
      CutRole(*role);
    } else if (title.unknownMessage != nullptr) {
      fputs(title.unknownMessage, stdout);
    }
    if (forced != nullptr) break;
  }
  return g_writeFailed ? 1 : 0;
}
