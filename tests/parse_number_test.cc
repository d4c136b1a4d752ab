#include <gtest/gtest.h>

#include "d88sect.h"

namespace {

TEST(ParseNumberTest, ReadsHexWithLowerCasePrefixElseDecimal) {
  const struct {
    const char* text;
    int32_t want;
  } kCases[] = {
      {"0x10", 16},
      {"16", 16},
      {"010", 10},
      {"0X10", 0},  // Only "0x" marks hexadecimal; "%d" reads the 0.
      {"xyz", 0},
      {"", 0},
      {"-1", -1},
      {"+7", 7},
      {"  42", 42},    // Leading blanks, as "%d" skips them.
      {" 0x10", 0},    // "0x" must come first.
      {"0x 1f", 31},   // "%x" skips blanks after the prefix.
      {"0x0x1F", 31},  // ... and takes a prefix of its own.
      {"0xg", 0},
      {"0x", 0},
      {"12abc", 12},
      {"0x10zz", 16},
      {"2147483647", INT32_MAX},
      {"2147483648", INT32_MAX},  // Decimal clamps to the 32-bit range.
      {"4294967296", INT32_MAX},
      {"99999999999999999999999", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"-2147483649", INT32_MIN},
      {"0x7fffffff", INT32_MAX},
      {"0x80000000", INT32_MIN},  // Hex keeps the bits.
      {"0xFFFFFFFF", -1},
      {"0x100000000", -1},  // Above 0xFFFFFFFF: clamps to it.
      {"0xffffffffffffffffffff", -1},
      {"0x-1", -1},
      {"0x-10", -16},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.want, ParseNumber(c.text));
  }
}

}  // namespace
