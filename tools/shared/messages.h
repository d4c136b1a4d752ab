// Every text the programs print, as Shift-JIS bytes fixed at compile time.
// The readable text stands above each constant; a test decodes every one of
// them and compares it with that text. Where a hex escape would run on into
// a following hex digit, the literal is split.
#ifndef TOOLS_SHARED_MESSAGES_H_
#define TOOLS_SHARED_MESSAGES_H_

// "を認識しました.\n", the end of every recognition message.
#define SJIS_RECOGNISED \
  "\x82\xf0\x94"        \
  "F\x8e\xaf\x82\xb5\x82\xdc\x82\xb5\x82\xbd.\n"

// --- Common ---

// "ファイルをオープンできません.\n"
constexpr char kMsgCannotOpen[] =
    "\x83t\x83@\x83"
    "C\x83\x8b\x82\xf0\x83I\x81[\x83v\x83\x93\x82\xc5\x82\xab"
    "\x82\xdc\x82\xb9\x82\xf1.\n";
// "ファイルを書き込めません. \n"
constexpr char kMsgCannotWrite[] =
    "\x83t\x83@\x83"
    "C\x83\x8b\x82\xf0\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc"
    "\x82\xb9\x82\xf1. \n";
// "%s は入力ファイルと同じなので書き込みません.\n"
constexpr char kMsgSameAsInput[] =
    "%s \x82\xcd\x93\xfc\x97\xcd\x83t\x83@\x83"
    "C\x83\x8b\x82\xc6\x93\xaf\x82"
    "\xb6\x82\xc8\x82\xcc\x82\xc5\x8f\x91\x82\xab\x8d\x9e\x82\xdd\x82\xdc\x82"
    "\xb9\x82\xf1.\n";

// --- d88sect ---

// "Usage: %s [d88file] [outputfile] [diskno] [track] [Sector] (size)
// (offset)\n"
constexpr char kMsgSectUsage[] =
    "Usage: %s [d88file] [outputfile] [diskno] [track] [Sector] (size) "
    "(offset)\n";
// "       size未指定時は1sector分を切り出します.\n"
constexpr char kMsgSectUsageSize[] =
    "       size\x96\xa2\x8ew\x92\xe8\x8e\x9e\x82\xcd"
    "1sector\x95\xaa\x82\xf0"
    "\x90\xd8\x82\xe8\x8fo\x82\xb5\x82\xdc\x82\xb7.\n";
// "指定のディスクがありません.\n"
constexpr char kMsgNoSuchDisk[] =
    "\x8ew\x92\xe8\x82\xcc\x83"
    "f\x83"
    "B\x83X\x83N\x82\xaa\x82\xa0\x82\xe8"
    "\x82\xdc\x82\xb9\x82\xf1.\n";
// "指定のトラックはフォーマットされていません.\n"
constexpr char kMsgTrackNotFormatted[] =
    "\x8ew\x92\xe8\x82\xcc\x83g\x83\x89\x83"
    "b\x83N\x82\xcd\x83t\x83H\x81[\x83}"
    "\x83"
    "b\x83g\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1.\n";
// "指定のトラック/セクタが存在しません.\n"
constexpr char kMsgNoSuchSector[] =
    "\x8ew\x92\xe8\x82\xcc\x83g\x83\x89\x83"
    "b\x83N/\x83Z\x83N\x83^\x82\xaa\x91"
    "\xb6\x8d\xdd\x82\xb5\x82\xdc\x82\xb9\x82\xf1.\n";
// "サイズ/オフセットの指定が正しくありません.\n"
constexpr char kMsgBadSizeOffset[] =
    "\x83T\x83"
    "C\x83Y/\x83I\x83t\x83Z\x83"
    "b\x83g\x82\xcc\x8ew\x92\xe8\x82"
    "\xaa\x90\xb3\x82\xb5\x82\xad\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1.\n";
// "diskno:%2d track:%2d sector:%2d size:%d offset:%d を切り出します.\n"
constexpr char kMsgSectProgress[] =
    "diskno:%2d track:%2d sector:%2d size:%d offset:%d \x82\xf0\x90\xd8\x82\xe8"
    "\x8fo\x82\xb5\x82\xdc\x82\xb7.\n";

// --- Title cutters ---

// "Usage: %s [d88file]\n"
constexpr char kMsgTitleUsage[] = "Usage: %s [d88file]\n";
// "Usage: %s [d88file] (DiskNo.)\n"
constexpr char kMsgTitleUsageDiskNo[] = "Usage: %s [d88file] (DiskNo.)\n";
// "Usage: ripd [d88file]\n"
constexpr char kMsgRipdUsage[] = "Usage: ripd [d88file]\n";
// "cutting ... %s\n"
constexpr char kMsgCutting[] = "cutting ... %s\n";
// "%s は途中までしか読めませんでした (%d / %d バイト).\n"
constexpr char kMsgPartialCut[] =
    "%s \x82\xcd\x93r\x92\x86\x82\xdc\x82\xc5\x82\xb5\x82\xa9\x93\xc7\x82\xdf"
    "\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd (%d / %d \x83o\x83"
    "C"
    "\x83g).\n";
// "認識できないディスクです.\n"
constexpr char kMsgUnknownDisk[] =
    "\x94"
    "F\x8e\xaf\x82\xc5\x82\xab\x82\xc8\x82\xa2\x83"
    "f\x83"
    "B\x83X\x83N"
    "\x82\xc5\x82\xb7.\n";

// "Disk A を認識しました.\n" ... "Disk H を認識しました.\n"
constexpr char kMsgDiskA[] = "Disk A " SJIS_RECOGNISED;
constexpr char kMsgDiskB[] = "Disk B " SJIS_RECOGNISED;
constexpr char kMsgDiskC[] = "Disk C " SJIS_RECOGNISED;
constexpr char kMsgDiskD[] = "Disk D " SJIS_RECOGNISED;
constexpr char kMsgDiskE[] = "Disk E " SJIS_RECOGNISED;
constexpr char kMsgDiskF[] = "Disk F " SJIS_RECOGNISED;
constexpr char kMsgDiskG[] = "Disk G " SJIS_RECOGNISED;
constexpr char kMsgDiskH[] = "Disk H " SJIS_RECOGNISED;
// "User Disk を認識しました.\n"
constexpr char kMsgUserDisk[] = "User Disk " SJIS_RECOGNISED;
// "Disk B または User Disk を認識しました.\n"
constexpr char kMsgDiskBOrUserDisk[] =
    "Disk B \x82\xdc\x82\xbd\x82\xcd User Disk " SJIS_RECOGNISED;
// The labelled disks: a blank before を only for the program disk.
// "Disk C (PROGRAM DISK) を認識しました.\n"
constexpr char kMsgProgramDisk[] = "Disk C (PROGRAM DISK) " SJIS_RECOGNISED;
// "Disk D (DATA 1 DISK)を認識しました.\n" ... "Disk H (DATA 5
// DISK)を認識しました.\n"
constexpr char kMsgData1Disk[] = "Disk D (DATA 1 DISK)" SJIS_RECOGNISED;
constexpr char kMsgData2Disk[] = "Disk E (DATA 2 DISK)" SJIS_RECOGNISED;
constexpr char kMsgData3Disk[] = "Disk F (DATA 3 DISK)" SJIS_RECOGNISED;
constexpr char kMsgData4Disk[] = "Disk G (DATA 4 DISK)" SJIS_RECOGNISED;
constexpr char kMsgData5Disk[] = "Disk H (DATA 5 DISK)" SJIS_RECOGNISED;
// "Disk A (OPENING A DISK)を認識しました.\n", "Disk B (OPENING B
// DISK)を認識しました.\n"
constexpr char kMsgOpeningADisk[] = "Disk A (OPENING A DISK)" SJIS_RECOGNISED;
constexpr char kMsgOpeningBDisk[] = "Disk B (OPENING B DISK)" SJIS_RECOGNISED;

#endif  // TOOLS_SHARED_MESSAGES_H_
