// ripb: Disk A and Disk B, told apart by the second byte of sector 16 of
// track index 63. Other disks pass in silence.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kDiskA[] = {
    {"DRIVER", 17, 8, 1, 1, 1, 0, 0x1000},
};

// Track index, R, length, offset. MUS00 is the last 1,082 bytes of DRIVER;
// MUS01 and MUS02 share sector 7 of track index 38.
constexpr SeriesEntry kDiskAMusic[] = {
    {17, 12, 0x43A, 0xC6}, {38, 1, 0x700},  {38, 7, 0x300}, {38, 10, 0x100},
    {38, 11, 0x200},       {38, 13, 0x300}, {0, 0, 0},
};
constexpr Series kDiskASeries[] = {{"MUS%02d", 0, kDiskAMusic}};

constexpr Role kRoles[] = {
    {0x42, kMsgDiskB},
    {0x7F, kMsgDiskA, kDiskA, kDiskASeries},
};

}  // namespace

extern const Title kRipb = {
    kMsgTitleUsage, {63, 31, 1, 16, 1, 1, 0}, kRoles, nullptr};
