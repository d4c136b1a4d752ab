#include "fuzz_support.h"

#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unordered_set>
#include <vector>

namespace fs = std::filesystem;

extern "C" size_t __real_fread(void* ptr, size_t size, size_t n, FILE* stream);
extern "C" size_t __real_fwrite(const void* ptr, size_t size, size_t n,
                                FILE* stream);

namespace {

std::string g_scratch;

void RemoveScratch() {
  std::error_code error;
  fs::remove_all(g_scratch, error);
}

struct Watched {
  const uint8_t* base = nullptr;
  size_t size = 0;
  std::vector<int64_t> source;
  std::vector<uint32_t> generation;
  uint32_t current = 0;
  // Bytes outside [low, high) are known to be "not read", so a new watch
  // resets only this range.
  size_t low = 0, high = 0;
} g_watched;

// The freads since Watch(), as keys offset << 20 | bytes: no read of
// the programs delivers 2^20 bytes or more.
std::unordered_set<uint64_t> g_readKeys;
std::vector<uint64_t> g_readOrder;  // The same keys in order.

uint64_t ReadKey(int64_t offset, size_t bytes) {
  return static_cast<uint64_t>(offset) << 20 | bytes;
}

WriteCheck g_writeCheck = nullptr;

}  // namespace

const std::string& ScratchPath() {
  if (g_scratch.empty()) {
    std::string pattern = (fs::temp_directory_path() / "d88fuzz.XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr)
      Finding("cannot make a scratch dir");
    g_scratch = pattern;
    atexit(RemoveScratch);
  }
  return g_scratch;
}

void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size) {
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) Finding("cannot create a scratch file");
  const bool ok = __real_fwrite(data, 1, size, f) == size;
  if (fclose(f) != 0 || !ok) Finding("cannot write a scratch file");
}

void EmptyDirectory(const std::string& path) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(path, error)) {
    fs::remove_all(entry.path(), error);
  }
}

void Finding(const char* what) {
  // Printed where the sanitizers report, which stays open when libFuzzer
  // closes standard error (-close_fd_mask).
  const std::string line = "FINDING: " + std::string(what);
  __sanitizer_report_error_summary(line.c_str());
  abort();
}

void KeepArtifactsInStartDirectory(int* argc, char*** argv) {
  for (int i = 1; i < *argc; ++i) {
    if (strncmp((*argv)[i], "-artifact_prefix=", 17) == 0) return;
    if (strncmp((*argv)[i], "-exact_artifact_path=", 21) == 0) return;
  }
  static std::string flag =
      "-artifact_prefix=" + fs::current_path().string() + "/";
  static std::vector<char*> words;
  words.assign(*argv, *argv + *argc);
  // The flag goes before the corpus directories; libFuzzer takes flags
  // wherever they stand.
  words.insert(words.begin() + 1, flag.data());
  words.push_back(nullptr);
  *argc += 1;
  *argv = words.data();
}

void Provenance::Watch(const uint8_t* base, size_t size) {
  Watched& w = g_watched;
  if (w.source.size() < size) {
    w.source.assign(size, kNotRead);
    w.generation.assign(size, 0);
  } else {
    for (size_t i = w.low; i < w.high; ++i) w.source[i] = kNotRead;
  }
  w.base = base;
  w.size = size;
  w.low = size;
  w.high = 0;
  w.current = 0;
  g_readKeys.clear();
  g_readOrder.clear();
}

void Provenance::Unwatch() { g_watched.base = nullptr; }

int64_t Provenance::SourceOf(size_t index) {
  return index < g_watched.size ? g_watched.source[index] : kNotRead;
}

uint32_t Provenance::GenerationOf(size_t index) {
  return index < g_watched.size ? g_watched.generation[index] : 0;
}

size_t Provenance::ReadEnd() { return g_watched.high; }

uint32_t Provenance::Generation() { return g_watched.current; }

void Provenance::NextGeneration() { ++g_watched.current; }

int64_t Provenance::IndexOf(const void* p) {
  const Watched& w = g_watched;
  const uint8_t* b = static_cast<const uint8_t*>(p);
  if (w.base == nullptr || b < w.base || b >= w.base + w.size) return -1;
  return b - w.base;
}

std::vector<int64_t> Provenance::ReadsOf(size_t bytes) {
  std::vector<int64_t> offsets;
  for (uint64_t key : g_readOrder) {
    if ((key & 0xFFFFF) == bytes) offsets.push_back(key >> 20);
  }
  return offsets;
}

bool Provenance::WasRead(int64_t offset, size_t bytes) {
  return g_readKeys.count(ReadKey(offset, bytes)) != 0;
}

void SetWriteCheck(WriteCheck check) { g_writeCheck = check; }

extern "C" size_t __wrap_fread(void* ptr, size_t size, size_t n, FILE* stream) {
  const long offset = ftell(stream);
  const size_t items = __real_fread(ptr, size, n, stream);
  if (g_watched.base != nullptr && offset >= 0 && items > 0) {
    g_readKeys.insert(ReadKey(offset, items * size));
    g_readOrder.push_back(ReadKey(offset, items * size));
  }
  const int64_t at = Provenance::IndexOf(ptr);
  if (at < 0) return items;
  Watched& w = g_watched;
  const size_t end = std::min(w.size, static_cast<size_t>(at) + items * size);
  for (size_t i = at; i < end; ++i) {
    w.source[i] = offset < 0 ? Provenance::kNotRead : offset + (i - at);
    w.generation[i] = w.current;
  }
  if (static_cast<size_t>(at) < w.low) w.low = at;
  if (end > w.high) w.high = end;
  return items;
}

extern "C" size_t __wrap_fwrite(const void* ptr, size_t size, size_t n,
                                FILE* stream) {
  if (g_writeCheck != nullptr && stream != stdout && stream != stderr) {
    g_writeCheck(static_cast<const uint8_t*>(ptr), size * n);
  }
  return __real_fwrite(ptr, size, n, stream);
}
