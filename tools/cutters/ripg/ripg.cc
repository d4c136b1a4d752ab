// ripg: disks A to F and a user disk, told apart by the first byte of
// sector 16 of track index 0.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kDiskA[] = {
    {"MUS00", 53, 26, 1, 1, 1, 0, 0x800},
};
constexpr Cut kDiskB[] = {
    {"DRIVER", 1, 0, 1, 2, 1, 0, 0x5F00},  // Track index 1 R 2 to 6 R 16.
};

// Track index, R, length. Numbered on from disk A's MUS00.
constexpr SeriesEntry kDiskBMusic[] = {
    {75, 1, 0x800}, {75, 9, 0x800}, {76, 1, 0x800}, {76, 9, 0x800}, {0, 0, 0},
};
constexpr Series kDiskBSeries[] = {{"MUS%02d", 1, kDiskBMusic}};

constexpr Role kRoles[] = {
    {'A', kMsgDiskA, kDiskA}, {'B', kMsgDiskB, kDiskB, kDiskBSeries},
    {'C', kMsgDiskC},         {'D', kMsgDiskD},
    {'E', kMsgDiskE},         {'F', kMsgDiskF},
    {'U', kMsgUserDisk},
};

}  // namespace

extern const Title kRipg = {
    kMsgTitleUsage, {0, 0, 0, 16, 1, 0, 0}, kRoles, kMsgUnknownDisk};
