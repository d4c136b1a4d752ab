#include "messages.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace {

// Decodes Shift-JIS bytes to UTF-8; "<invalid>" when they do not decode.
std::string FromShiftJis(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-8", "SHIFT_JIS");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
  std::string in = bytes;
  std::string out(in.size() * 4, '\0');
  char* inp = in.data();
  char* outp = out.data();
  size_t inLeft = in.size(), outLeft = out.size();
  const size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1) || inLeft != 0) return "<invalid>";
  out.resize(out.size() - outLeft);
  return out;
}

TEST(MessagesTest, DecodeToTheQuotedTexts) {
  const struct {
    const char* bytes;
    const char* text;  // UTF-8.
  } kCases[] = {
      {kMsgCannotOpen, "ファイルをオープンできません.\n"},
      {kMsgCannotWrite, "ファイルを書き込めません. \n"},
      {kMsgSameAsInput, "%s は入力ファイルと同じなので書き込みません.\n"},
      {kMsgSectUsage,
       "Usage: %s [d88file] [outputfile] [diskno] [track] [Sector] (size) "
       "(offset)\n"},
      {kMsgSectUsageSize, "       size未指定時は1sector分を切り出します.\n"},
      {kMsgNoSuchDisk, "指定のディスクがありません.\n"},
      {kMsgTrackNotFormatted, "指定のトラックはフォーマットされていません.\n"},
      {kMsgNoSuchSector, "指定のトラック/セクタが存在しません.\n"},
      {kMsgBadSizeOffset, "サイズ/オフセットの指定が正しくありません.\n"},
      {kMsgSectProgress,
       "diskno:%2d track:%2d sector:%2d size:%d offset:%d を切り出します.\n"},
      {kMsgTitleUsage, "Usage: %s [d88file]\n"},
      {kMsgTitleUsageDiskNo, "Usage: %s [d88file] (DiskNo.)\n"},
      {kMsgRipdUsage, "Usage: ripd [d88file]\n"},
      {kMsgCutting, "cutting ... %s\n"},
      {kMsgPartialCut, "%s は途中までしか読めませんでした (%d / %d バイト).\n"},
      {kMsgUnknownDisk, "認識できないディスクです.\n"},
      {kMsgDiskA, "Disk A を認識しました.\n"},
      {kMsgDiskB, "Disk B を認識しました.\n"},
      {kMsgDiskC, "Disk C を認識しました.\n"},
      {kMsgDiskD, "Disk D を認識しました.\n"},
      {kMsgDiskE, "Disk E を認識しました.\n"},
      {kMsgDiskF, "Disk F を認識しました.\n"},
      {kMsgDiskG, "Disk G を認識しました.\n"},
      {kMsgDiskH, "Disk H を認識しました.\n"},
      {kMsgUserDisk, "User Disk を認識しました.\n"},
      {kMsgDiskBOrUserDisk, "Disk B または User Disk を認識しました.\n"},
      {kMsgProgramDisk, "Disk C (PROGRAM DISK) を認識しました.\n"},
      {kMsgData1Disk, "Disk D (DATA 1 DISK)を認識しました.\n"},
      {kMsgData2Disk, "Disk E (DATA 2 DISK)を認識しました.\n"},
      {kMsgData3Disk, "Disk F (DATA 3 DISK)を認識しました.\n"},
      {kMsgData4Disk, "Disk G (DATA 4 DISK)を認識しました.\n"},
      {kMsgData5Disk, "Disk H (DATA 5 DISK)を認識しました.\n"},
      {kMsgOpeningADisk, "Disk A (OPENING A DISK)を認識しました.\n"},
      {kMsgOpeningBDisk, "Disk B (OPENING B DISK)を認識しました.\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.text, FromShiftJis(c.bytes));
  }
}

}  // namespace
