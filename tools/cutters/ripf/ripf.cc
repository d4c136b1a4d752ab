// ripf: disks A to D and a user disk, told apart by the letter at offset
// 15 of sector 16 of track index 0. All files come from disk A.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kDiskA[] = {
    {"PROG1", 71, 35, 1, 2, 1, 0, 0x1F00},  // Track index 71 R 2 to 72 R 16.
    {"PROG2", 1, 0, 1, 2, 1, 0, 0x1F00},    // Track index 1 R 2 to 2 R 16.
};

// Track index, R, length. The two tables pair up by number: MUS100A and
// MUS100B, MUS101A and MUS101B.
constexpr SeriesEntry kMusicA[] = {
    {21, 1, 0x1000}, {22, 1, 0x1000}, {23, 1, 0x1000}, {31, 1, 0x800},
    {31, 9, 0x800},  {75, 1, 0x1000}, {76, 1, 0x1000}, {0, 0, 0},
};
constexpr SeriesEntry kMusicB[] = {
    {73, 1, 0x1000},
    {74, 1, 0x1000},
    {0, 0, 0},
};
constexpr Series kDiskASeries[] = {
    {"MUS1%02dA", 0, kMusicA},
    {"MUS1%02dB", 0, kMusicB},
};

constexpr Role kRoles[] = {
    {'A', kMsgDiskA, kDiskA, kDiskASeries},
    {'B', kMsgDiskB},
    {'C', kMsgDiskC},
    {'D', kMsgDiskD},
    {'K', kMsgUserDisk},
};

}  // namespace

extern const Title kRipf = {
    kMsgTitleUsage, {0, 0, 0, 16, 1, 15, 0}, kRoles, kMsgUnknownDisk};
