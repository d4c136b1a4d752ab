// The frame that the title programs ripa to ripi share.
//
// A title program recognises each disk of its title's disk set by one byte
// of a fixed sector and cuts the title's data from fixed places on it into
// files with fixed names in the current directory. A title supplies only
// its tables (a Title); everything else, from the command line to the exit
// status, is done here.
#ifndef TOOLS_CUTTERS_COMMON_CUTTER_H_
#define TOOLS_CUTTERS_COMMON_CUTTER_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "d88image.h"

constexpr int kCutterBufferSize = 0x50000;  // 327,680: the largest run fits.

// The D88 file, open from the start of the disk loop to process exit.
extern D88Image g_image;
// Every read goes here from its first byte: identification reads and runs.
extern uint8_t g_buffer[kCutterBufferSize];
// The file CutFile is writing; closed again before CutFile returns.
extern FILE* g_output;

// Reads offset + length bytes of the run that starts at sector (trackIndex,
// c, h, r, n) into g_buffer and writes the |length| bytes from |offset| to
// the file |name|. False, with nothing printed and no file touched, when
// the run's first sector cannot be read; true once "cutting ... name" was
// printed. A run that stops part-way writes only the slice bytes it read
// and says so. A file that cannot be written is reported and makes the
// program end with status 1.
bool CutFile(const char* name, int trackIndex, int c, int h, int r, int n,
             int offset, int length);

// A fixed array seen as a pointer and a count, for the tables below.
template <typename T>
struct List {
  const T* items = nullptr;
  int count = 0;
  constexpr List() = default;
  template <size_t N>
  constexpr List(const T (&array)[N]) : items(array), count(int{N}) {}
};

// One cut with a fixed name; the arguments of CutFile.
struct Cut {
  const char* name;
  int32_t trackIndex, c, h, r, n, offset, length;
};

// One entry of a cut series: C and H follow from the track index, N is 1.
// A series ends at the first entry whose r is 0.
struct SeriesEntry {
  int32_t trackIndex, r, length;
  int32_t offset = 0;
};

// Entry k of |entries| is cut under the name |format| gives for
// firstNumber + k.
struct Series {
  const char* format;
  int firstNumber;
  const SeriesEntry* entries;
};

// Music files whose first sectors come as track index * 16 + (R - 1), cut
// |length| bytes each under the names |format| gives for 0, 1, 2, ...
struct PositionSeries {
  const char* format;
  List<int32_t> positions;
  int32_t length;
};

constexpr int kAnyByte = -1;

// A disk of the set: the identification byte (and, for titles that test
// one, the second byte) that select it, the message that announces it, and
// its cuts in order: single cuts, then series, then a position list.
struct Role {
  int idByte;
  const char* message;  // Null: the role is not announced.
  List<Cut> cuts = {};
  List<Series> series = {};
  int secondByte = kAnyByte;
  const PositionSeries* positions = nullptr;
};

// Where the identification byte is: |sectors| sectors of 256 bytes read
// from (trackIndex, c, h, r), then the bytes at |bytePosition| and, where
// roles test one, |secondPosition| of g_buffer. A byte counts only when
// this disk's own read delivered it.
struct Identification {
  int trackIndex, c, h, r;
  int sectors;
  int bytePosition;
  int secondPosition;
};

enum class TitleShape {
  kDiskLoop,       // Every disk of the file, recognised by its byte.
  kDiskNumber,     // Also an optional disk number 1..n: role n - 1 for
                   // the first disk, which ends the run.
  kFirstDiskOnly,  // No recognition: the first role's cuts, first disk.
};

struct Title {
  const char* usage;  // Printed with argument 0.
  Identification id;
  List<Role> roles;
  const char* unknownMessage;  // The default branch; null: silent.
  TitleShape shape = TitleShape::kDiskLoop;
};

// The whole program of a title: arguments as main gets them; returns the
// exit status.
int RunTitle(const Title& title, int argc, char** argv);

#endif  // TOOLS_CUTTERS_COMMON_CUTTER_H_
