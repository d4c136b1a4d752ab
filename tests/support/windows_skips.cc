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
  const char* test;  // Suite.Name, or Suite.* for every test of the suite.
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
    {"MalformedPosixOnlyTest.*", "",
     "POSIX's own files: the devices /dev/null, /dev/zero and /dev/full, "
     "symbolic links, file modes and another user (a directory as the D88 "
     "file or as an output is also checked by D88SectTest and FrameTest, "
     "which run)"},
};

bool Matches(const std::string& test, const char* pattern) {
  const std::string p = pattern;
  if (p.size() > 2 && p.compare(p.size() - 2, 2, ".*") == 0) {
    return test.compare(0, p.size() - 1, p, 0, p.size() - 1) == 0;
  }
  return test == p;
}

}  // namespace

bool SkipOnWindows(const std::string& what) {
  if (!TestingWindowsPrograms()) return false;
  const testing::TestInfo* info =
      testing::UnitTest::GetInstance()->current_test_info();
  if (info == nullptr) return false;
  const std::string test =
      std::string(info->test_suite_name()) + "." + info->name();
  for (const Skip& skip : kSkips) {
    if (Matches(test, skip.test) && what == skip.what) {
      const std::string name = what.empty() ? test : test + " / " + what;
      // Not gtest's "[  SKIPPED ]", which would make ctest report the whole
      // test as skipped.
      printf("[ NOT RUN  ] %s, on Windows: %s\n", name.c_str(), skip.reason);
      return true;
    }
  }
  return false;
}
