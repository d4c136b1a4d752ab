// ripe: two opening disks, a program disk, five data disks and a user
// disk, told apart by small values in the first byte of sector 16 of track
// index 0.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kOpeningA[] = {
    {"PROG", 1, 0, 1, 2, 1, 0, 0x3F00},  // Track index 1 R 2 to 4 R 16.
    {"MUS00", 15, 7, 1, 1, 1, 0, 0x1000},
};
constexpr Cut kProgram[] = {
    {"MUS01", 8, 4, 0, 1, 1, 0, 0x1000},
    {"MUS02", 10, 5, 0, 1, 1, 0, 0x1000},
};
constexpr Cut kData5[] = {
    {"MUS03", 14, 7, 0, 1, 1, 0, 0x1000},
};

constexpr Role kRoles[] = {
    {0x00, kMsgProgramDisk, kProgram},
    {0x01, kMsgData1Disk},
    {0x02, kMsgData2Disk},
    {0x03, kMsgData3Disk},
    {0x04, kMsgData4Disk},
    {0x05, kMsgData5Disk, kData5},
    {0x0A, kMsgOpeningADisk, kOpeningA},
    {0x0B, kMsgOpeningBDisk},
    {0x0C, kMsgUserDisk},
};

}  // namespace

extern const Title kRipe = {
    kMsgTitleUsage, {0, 0, 0, 16, 1, 0, 0}, kRoles, kMsgUnknownDisk};
