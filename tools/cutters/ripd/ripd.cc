// ripd: a single-disk title. The first disk of the file is cut without
// being recognised, and the usage line names the program with a fixed word.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kCuts[] = {
    {"PROG", 2, 1, 0, 1, 1, 0, 0x6A20},  // 106 sectors and 32 bytes.
    {"OP", 0, 0, 0, 3, 1, 0, 0xE00},
};

// First sectors as track index * 16 + (R - 1): track index 67 R 1 on.
constexpr int32_t kMusicPositions[] = {
    0x430, 0x432, 0x434, 0x435, 0x436, 0x438, 0x43B, 0x43E, 0x441, 0x444,
};
constexpr PositionSeries kMusic = {"MUS%02d", kMusicPositions, 0x300};

constexpr Role kRoles[] = {
    {kAnyByte, nullptr, kCuts, {}, kAnyByte, &kMusic},
};

}  // namespace

extern const Title kRipd = {
    kMsgRipdUsage, {}, kRoles, nullptr, TitleShape::kFirstDiskOnly};
