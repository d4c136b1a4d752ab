// Writes synthetic sample D88 files into the directory given as argument 1
// (default: the current one), for trying the programs out. Every sector
// holds readable text naming its disk, track index and sector number.
#include <cstdio>
#include <string>

#include "d88_builder.h"

namespace {

bool WriteFile(const std::string& path, const Bytes& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : ".";
  // sample.d88: two 2D disks, for d88sect.
  const Bytes sample =
      Concat({D88Disk("disk0").Name("SAMPLE0").Format().Build(),
              D88Disk("disk1").Name("SAMPLE1").Format().Build()});
  if (!WriteFile(dir + "/sample.d88", sample)) {
    fprintf(stderr, "cannot write %s/sample.d88\n", dir.c_str());
    return 1;
  }
  return 0;
}
