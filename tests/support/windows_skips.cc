// The end-to-end cases that the Windows programs skip, by test and case
// name, each with the reason: they test what only a POSIX system does.
// Where Windows has its own form of the behaviour, a case in
// platform_e2e_test.cc stands in.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "program_runner.h"

namespace {

constexpr char kArgumentZero[] =
    "the usage line prints argument 0, which a Windows program takes from "
    "its command line, where wine puts the path of the .exe: not the name "
    "the test chose (PlatformTest.UsageNamesTheProgramAsStarted stands in)";
constexpr char kFullDevice[] =
    "POSIX's full device /dev/full; Windows has no device whose writes fail";

struct Skip {
  const char* test;  // Suite.Name
  const char* what;  // The case; empty for the whole test.
  const char* reason;
};

constexpr Skip kSkips[] = {
    {"D88SectTest.RefusesWithAMessage", "four arguments", kArgumentZero},
    {"D88SectTest.ReportsFilesItCannotOpenOrWrite", "output device is full",
     kFullDevice},
    {"FrameTest.UsageAndOpenFailures", "no argument", kArgumentZero},
    {"FrameTest.UsageAndOpenFailures", "too many arguments", kArgumentZero},
    {"FrameTest.UsageAndOpenFailures", "an extra argument", kArgumentZero},
    {"FrameTest.WriteErrorOnAFullDevice", "",
     "a symbolic link to POSIX's full device /dev/full; Windows has no "
     "device whose writes fail"},
    {"RipcTest.BadDiskNumbersAreUsageErrors", "", kArgumentZero},
};

}  // namespace

bool SkipOnWindows(const std::string& what) {
  if (!TestingWindowsPrograms()) return false;
  const testing::TestInfo* info =
      testing::UnitTest::GetInstance()->current_test_info();
  if (info == nullptr) return false;
  const std::string test =
      std::string(info->test_suite_name()) + "." + info->name();
  for (const Skip& skip : kSkips) {
    if (test == skip.test && what == skip.what) {
      const std::string name = what.empty() ? test : test + " / " + what;
      // Not gtest's "[  SKIPPED ]", which would make ctest report the whole
      // test as skipped.
      printf("[ NOT RUN  ] %s, on Windows: %s\n", name.c_str(), skip.reason);
      return true;
    }
  }
  return false;
}
