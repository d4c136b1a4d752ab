// ripa: Disk A to Disk F and a User Disk, told apart by the first byte of
// sector 16 of track index 0.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kDiskA[] = {
    {"PROG", 1, 0, 1, 2, 1, 0, 0x2F00},  // Track index 1 R 2 to 3 R 16.
};
constexpr Cut kDiskB[] = {
    {"MUSOP1", 18, 9, 0, 1, 1, 0, 0x1000},
    {"MUSOP2", 22, 11, 0, 1, 1, 0, 0x1000},
};
constexpr Cut kDiskF[] = {
    {"MUSEND", 56, 28, 0, 1, 1, 0, 0x1000},
};

// Track index, R, length.
constexpr SeriesEntry kDiskCMusic[] = {
    {12, 1, 0x800}, {12, 9, 0x800}, {13, 1, 0x800}, {13, 9, 0x800},
    {14, 1, 0x800}, {14, 9, 0x800}, {15, 1, 0x800}, {0, 0, 0},
};
constexpr Series kDiskC[] = {{"MUS%03d", 0, kDiskCMusic}};

constexpr Role kRoles[] = {
    {0x1F, kMsgDiskB, kDiskB}, {0x41, kMsgDiskC, {}, kDiskC},
    {0x42, kMsgDiskD},         {0x43, kMsgDiskE},
    {0x44, kMsgDiskF, kDiskF}, {0x55, kMsgUserDisk},
    {0x67, kMsgDiskA, kDiskA},
};

}  // namespace

extern const Title kRipa = {
    kMsgTitleUsage, {0, 0, 0, 16, 1, 0, 0}, kRoles, kMsgUnknownDisk};
