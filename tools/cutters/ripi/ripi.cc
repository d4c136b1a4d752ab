// ripi: disks A to H and a user disk. Sectors 15 and 16 of track index 0
// are read as one run: the first byte of sector 16 tells the disks apart,
// and for 'A' the first byte of sector 15 tells disk A (0x82) from disk D
// (0x81). A disk with 'A' and any other sector-15 byte is not recognised.
#include "messages.h"
#include "titles.h"

namespace {

constexpr Cut kDiskA[] = {
    {"PROG1", 1, 0, 1, 2, 1, 0, 0x2F00},  // Track index 1 R 2 to 3 R 16.
};
constexpr Cut kDiskC[] = {
    {"PROG2", 1, 0, 1, 2, 1, 0, 0x5F00},  // Track index 1 R 2 to 6 R 16.
};
constexpr Cut kDiskD[] = {
    {"ADPCM", 2, 1, 0, 1, 1, 0, 0x40000},  // Track indexes 2 to 65, whole.
};

// Track index, R, length; each series counts from 00.
constexpr SeriesEntry kDiskAMusic[] = {
    {7, 1, 0x1000},
    {78, 1, 0x1000},
    {79, 1, 0x1000},
    {0, 0, 0},
};
constexpr SeriesEntry kDiskCMusic[] = {
    {12, 1, 0x800}, {12, 9, 0x800}, {13, 1, 0x800}, {13, 9, 0x800},
    {14, 1, 0x800}, {14, 9, 0x800}, {15, 1, 0x800}, {15, 9, 0x800},
    {16, 1, 0x800}, {0, 0, 0},
};
constexpr SeriesEntry kDiskGMusic[] = {{17, 1, 0x1000}, {0, 0, 0}};
constexpr Series kDiskASeries[] = {{"MUS1%02d", 0, kDiskAMusic}};
constexpr Series kDiskCSeries[] = {{"MUS3%02d", 0, kDiskCMusic}};
constexpr Series kDiskGSeries[] = {{"MUS6%02d", 0, kDiskGMusic}};

constexpr Role kRoles[] = {
    {'A', kMsgDiskA, kDiskA, kDiskASeries, 0x82},
    {'B', kMsgDiskB},
    {'C', kMsgDiskC, kDiskC, kDiskCSeries},
    {'A', kMsgDiskD, kDiskD, {}, 0x81},
    {0x04, kMsgDiskE},
    {0x05, kMsgDiskF},
    {0x06, kMsgDiskG, {}, kDiskGSeries},
    {0x07, kMsgDiskH},
    {'U', kMsgUserDisk},
};

}  // namespace

// Identification byte at 256 (sector 16), second byte at 0 (sector 15).
extern const Title kRipi = {
    kMsgTitleUsage, {0, 0, 0, 15, 2, 256, 0}, kRoles, kMsgUnknownDisk};
