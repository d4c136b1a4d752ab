// riph: disks A to F and a user disk, told apart by small values in the
// first byte of sector 16 of track index 0.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kDiskA[] = {
    {"PROG", 1, 0, 1, 2, 1, 0, 0x4F00},  // Track index 1 R 2 to 5 R 16.
};

// Track index, R, length; each series counts from 00.
constexpr SeriesEntry kDiskAMusic[] = {
    {8, 1, 0x1000}, {10, 1, 0x1000}, {21, 1, 0x800},
    {22, 1, 0x800}, {23, 1, 0x800},  {0, 0, 0},
};
constexpr SeriesEntry kDiskBMusic[] = {{13, 1, 0x800}, {0, 0, 0}};
constexpr SeriesEntry kDiskFMusic[] = {{6, 1, 0x1000}, {0, 0, 0}};
constexpr Series kDiskASeries[] = {{"MUS1%02d", 0, kDiskAMusic}};
constexpr Series kDiskBSeries[] = {{"MUS2%02d", 0, kDiskBMusic}};
constexpr Series kDiskFSeries[] = {{"MUS6%02d", 0, kDiskFMusic}};

constexpr Role kRoles[] = {
    {0x00, kMsgDiskA, kDiskA, kDiskASeries},
    {0x01, kMsgDiskB, {}, kDiskBSeries},
    {0x02, kMsgDiskC},
    {0x03, kMsgDiskD},
    {0x04, kMsgDiskE},
    {0x05, kMsgDiskF, {}, kDiskFSeries},
    {0x0A, kMsgUserDisk},
};

}  // namespace

extern const Title kRiph = {
    kMsgTitleUsage, {0, 0, 0, 16, 1, 0, 0}, kRoles, kMsgUnknownDisk};
