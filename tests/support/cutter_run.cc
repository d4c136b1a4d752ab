#include "cutter_run.h"

#include <cstdio>

#include "messages.h"

CutterRun RunCutter(const std::string& program, const Bytes& image,
                    const std::vector<std::string>& extraArgs) {
  ScratchDir dir;
  dir.Write("in.d88", image);
  std::vector<std::string> args = {"in.d88"};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  CutterRun run{RunProgram(program, args, dir.path()), {}};
  for (const std::string& name : dir.Files()) {
    if (name != "in.d88") run.files[name] = dir.Read(name);
  }
  return run;
}

std::string Cutting(const std::string& name) {
  char line[128];
  snprintf(line, sizeof line, kMsgCutting, name.c_str());
  return line;
}

std::string PartialCut(const std::string& name, int written, int length) {
  char line[256];
  snprintf(line, sizeof line, kMsgPartialCut, name.c_str(), written, length);
  return line;
}

D88Disk IdDisk(const std::string& label, int track, int r, size_t offset,
               uint8_t value) {
  D88Disk disk(label);
  disk.Format(80);
  disk.Poke(track, r, offset, value);
  return disk;
}
