// Writes synthetic sample D88 files into the directory given as argument 1
// (default: the current one), for trying the programs out. Every sector
// holds readable text naming its disk, track index and sector number:
// - sample.d88: two plain 2D disks, for d88sect;
// - ripa.d88 ... ripi.d88: for each title program, one disk per disk of its
//   set, carrying that disk's identification byte, then a disk that the
//   program does not know.
#include <cstdio>
#include <string>

#include "d88_builder.h"
#include "titles.h"

namespace {

bool WriteFile(const std::string& path, const Bytes& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

// A formatted disk whose identification bytes select |role| of |title|.
D88Disk RoleDisk(const std::string& label, const Title& title, int idByte,
                 int secondByte) {
  D88Disk disk(label);
  disk.Format();
  const Identification& id = title.id;
  auto poke = [&](int position, int value) {
    if (value != kAnyByte) {
      disk.Poke(id.trackIndex, id.r + position / 256, position % 256,
                uint8_t(value));
    }
  };
  poke(id.bytePosition, idByte);
  poke(id.secondPosition, secondByte);
  return disk;
}

Bytes TitleSet(const std::string& name, const Title& title) {
  std::vector<Bytes> disks;
  for (int i = 0; i < title.roles.count; ++i) {
    const Role& role = title.roles.items[i];
    disks.push_back(RoleDisk(name + "-d" + std::to_string(i), title,
                             role.idByte, role.secondByte)
                        .Build());
  }
  if (title.shape != TitleShape::kFirstDiskOnly) {
    disks.push_back(RoleDisk(name + "-?", title, 0xEE, 0xEE).Build());
  }
  return Concat(disks);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : ".";
  const struct {
    const char* name;
    Bytes bytes;
  } kFiles[] = {
      {"sample", Concat({D88Disk("sect-d0").Name("SAMPLE0").Format().Build(),
                         D88Disk("sect-d1").Name("SAMPLE1").Format().Build()})},
      {"ripa", TitleSet("ripa", kRipa)},
      {"ripb", TitleSet("ripb", kRipb)},
      {"ripc", TitleSet("ripc", kRipc)},
      {"ripd", TitleSet("ripd", kRipd)},
      {"ripe", TitleSet("ripe", kRipe)},
      {"ripf", TitleSet("ripf", kRipf)},
      {"ripg", TitleSet("ripg", kRipg)},
      {"riph", TitleSet("riph", kRiph)},
      {"ripi", TitleSet("ripi", kRipi)},
  };
  for (const auto& file : kFiles) {
    const std::string path = dir + "/" + file.name + ".d88";
    if (!WriteFile(path, file.bytes)) {
      fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
