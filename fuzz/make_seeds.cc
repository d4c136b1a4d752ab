// make_seeds DIR: writes the fuzz targets' seed corpora into DIR/d88image,
// DIR/d88sect and DIR/cutter: well-formed D88 files (for the title
// programs, each title's disk set), and the odd ones of the malformed-input
// tests, each wrapped in its target's input layout (fuzz_inputs.h).
#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <string>

#include "d88_builder.h"
#include "fuzz_inputs.h"
#include "odd_images.h"
#include "titles.h"

namespace {

using fuzz_input::Op;

int g_failures = 0;

void WriteSeed(const std::string& dir, const std::string& name,
               const Bytes& bytes) {
  std::string file;
  for (char ch : name)
    file += isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  const std::string path = dir + "/" + file;
  FILE* f = fopen(path.c_str(), "wb");
  const bool ok =
      f != nullptr && fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (f == nullptr || fclose(f) != 0 || !ok) {
    fprintf(stderr, "cannot write %s\n", path.c_str());
    ++g_failures;
  }
}

// Two small disks, and one whose first track is stored interleaved.
std::vector<OddImage> WellFormedImages() {
  D88Disk interleaved("il");
  for (int r = 1; r <= 8; ++r) {
    interleaved.Add(0, {0, 0, r, 1, SectorText("il", 0, r)});
    interleaved.Add(0, {0, 0, r + 8, 1, SectorText("il", 0, r + 8)});
  }
  interleaved.FormatTrack(1).FormatTrack(2);
  return {
      {"two disks", Concat({D88Disk("d0").Name("DISK0").Format(3).Build(),
                            D88Disk("d1").Name("DISK1").Format(3).Build()})},
      {"interleaved", interleaved.Build()},
  };
}

// The tracks that |role|'s cuts read, and the identification track.
std::set<int> TracksOf(const Title& title, const Role& role) {
  std::set<int> tracks = {title.id.trackIndex};
  auto add = [&](int track, int r, int bytes) {
    const int sectors = (bytes + 255) / 256;
    for (int s = 0; s < sectors; ++s) tracks.insert(track + (r - 1 + s) / 16);
  };
  for (int i = 0; i < role.cuts.count; ++i) {
    const Cut& cut = role.cuts.items[i];
    add(cut.trackIndex, cut.r, cut.offset + cut.length);
  }
  for (int i = 0; i < role.series.count; ++i) {
    for (const SeriesEntry* e = role.series.items[i].entries; e->r != 0; ++e) {
      add(e->trackIndex, e->r, e->offset + e->length);
    }
  }
  if (role.positions != nullptr) {
    for (int i = 0; i < role.positions->positions.count; ++i) {
      const int p = role.positions->positions.items[i];
      add(p / 16, p % 16 + 1, role.positions->length);
    }
  }
  return tracks;
}

// One disk per role of |title|, carrying the role's identification bytes
// and the tracks it cuts from, then a disk that no role takes.
Bytes TitleSet(const std::string& name, const Title& title) {
  std::vector<Bytes> disks;
  for (int i = 0; i <= title.roles.count; ++i) {
    const bool known = i < title.roles.count;
    D88Disk disk(name + std::to_string(i));
    for (int t : known ? TracksOf(title, title.roles.items[i])
                       : std::set<int>{title.id.trackIndex}) {
      disk.FormatTrack(t);
    }
    const Identification& id = title.id;
    auto poke = [&](int position, int value) {
      if (value != kAnyByte && title.shape != TitleShape::kFirstDiskOnly) {
        disk.Poke(id.trackIndex, id.r + position / 256, position % 256,
                  static_cast<uint8_t>(value));
      }
    };
    poke(id.bytePosition, known ? title.roles.items[i].idByte : 0xEE);
    poke(id.secondPosition, known ? title.roles.items[i].secondByte : 0xEE);
    disks.push_back(disk.Build());
  }
  return Concat(disks);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: make_seeds DIR\n");
    return 1;
  }
  const std::string dir = argv[1];
  const std::string imageDir = dir + "/d88image";
  const std::string sectDir = dir + "/d88sect";
  const std::string cutterDir = dir + "/cutter";
  for (const std::string& d : {dir, imageDir, sectDir, cutterDir}) {
    mkdir(d.c_str(), 0755);
  }

  std::vector<OddImage> images = WellFormedImages();
  for (OddImage& odd : OddImages()) images.push_back(std::move(odd));

  // Single sectors, a run over sides and tracks, listings and ranges.
  const std::vector<Op> ops = {
      {fuzz_input::kGetSectorIds, 0, 0, 0, 0, 0, 256},
      {fuzz_input::kReadSector, 0, 0, 0, 1, 1, 256},
      {fuzz_input::kReadSector, 1, 0, 1, 5, 0, 128},
      {fuzz_input::kReadSectors, 0, 0, 0, 16, 1, 0x1000},
      {fuzz_input::kSetSectorRange, 0, 1, 0, 8, 0, 0},
      {fuzz_input::kReadSectors, 0, 0, 0, 3, 1, 0x2000},
      {fuzz_input::kReadSectors, 1, 0, 1, 1, 2, 600},
  };
  const std::vector<std::vector<std::string>> sectArgs = {
      {"0", "0", "1"},
      {"0", "1", "3", "0x1000", "100"},
      {"1", "0", "16", "600"},
  };
  int title = 0;
  for (const OddImage& image : images) {
    WriteSeed(imageDir, image.name, fuzz_input::ImageInput(ops, image.bytes));
    for (size_t i = 0; i < sectArgs.size(); ++i) {
      WriteSeed(sectDir, image.name + " " + std::to_string(i),
                fuzz_input::SectInput(sectArgs[i], image.bytes));
    }
    WriteSeed(cutterDir, image.name,
              fuzz_input::CutterInput(title++ % fuzz_input::kTitleCount, 0,
                                      image.bytes));
  }

  const Title* const titles[fuzz_input::kTitleCount] = {
      &kRipa, &kRipb, &kRipc, &kRipd, &kRipe, &kRipf, &kRipg, &kRiph, &kRipi,
  };
  for (int t = 0; t < fuzz_input::kTitleCount; ++t) {
    const std::string name = "title " + std::to_string(t);
    const Bytes set = TitleSet(name, *titles[t]);
    WriteSeed(cutterDir, name, fuzz_input::CutterInput(t, 0, set));
    if (titles[t]->shape == TitleShape::kDiskNumber) {
      WriteSeed(cutterDir, name + " disk 2",
                fuzz_input::CutterInput(t, '2', set));
    }
  }
  return g_failures == 0 ? 0 : 1;
}
