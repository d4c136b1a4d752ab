// ripc: disks A, B and C and a user disk that shares disk B's byte, told
// apart by the first byte of sector 1 of track index 0. An optional disk
// number (1 to 3) takes the first disk for that disk and ends the run.
// Other disks pass in silence.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kDiskA[] = {
    {"DRIVER", 8, 4, 0, 1, 1, 0, 0xF00},
    {"MUSIC", 1, 0, 1, 1, 1, 0, 0xC00},
};
constexpr Cut kDiskB[] = {
    {"OP", 76, 38, 0, 1, 1, 0, 0xC00},
};

// In disk number order: 1, 2, 3.
constexpr Role kRoles[] = {
    {0xDB, kMsgDiskA, kDiskA},
    {0x19, kMsgDiskBOrUserDisk, kDiskB},
    {0x48, kMsgDiskC},
};

}  // namespace

extern const Title kRipc = {kMsgTitleUsageDiskNo,
                            {0, 0, 0, 1, 1, 0, 0},
                            kRoles,
                            nullptr,
                            TitleShape::kDiskNumber};
