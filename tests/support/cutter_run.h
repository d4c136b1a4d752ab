// Test-only: runs a title program on a D88 file built in memory and
// collects what it printed and the files it wrote.
#ifndef TESTS_SUPPORT_CUTTER_RUN_H_
#define TESTS_SUPPORT_CUTTER_RUN_H_

#include <map>
#include <string>
#include <vector>

#include "d88_builder.h"
#include "program_runner.h"

using Files = std::map<std::string, Bytes>;

struct CutterRun {
  RunResult result;
  Files files;  // Every file in the directory but the input, by name.
};

// Runs |program| in a fresh directory that holds |image| as "in.d88", with
// the arguments "in.d88" and then |extraArgs|.
CutterRun RunCutter(const std::string& program, const Bytes& image,
                    const std::vector<std::string>& extraArgs = {});

// The line "cutting ... <name>\n".
std::string Cutting(const std::string& name);
// The warning for a cut whose run stopped part-way.
std::string PartialCut(const std::string& name, int written, int length);

// A formatted 2D disk (80 tracks of 16 x 256 bytes) whose sector |r| of
// track index |track| holds |value| at |offset|.
D88Disk IdDisk(const std::string& label, int track, int r, size_t offset,
               uint8_t value);

#endif  // TESTS_SUPPORT_CUTTER_RUN_H_
