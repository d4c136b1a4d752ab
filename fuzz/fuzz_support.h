// Shared by the fuzz targets: a scratch directory for the files a target
// must hand to the code under test, and a record of where the bytes of a
// watched buffer came from, so that a target can tell whether an output
// file holds only bytes that were read from the D88 file.
//
// The record works through the linker: the fuzz targets are linked with
// --wrap=fread and --wrap=fwrite, so every fread and fwrite of the code
// under test passes through here first.
#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A directory of this process under the system's temporary directory,
// made on first use and removed at exit.
const std::string& ScratchPath();

// Writes |size| bytes to |path|, replacing it; aborts when it cannot.
void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);

// Removes every entry of directory |path| (not the directory itself).
void EmptyDirectory(const std::string& path);

// Ends the process the way libFuzzer reports a crash, after printing
// |what|: the input is saved as a finding.
[[noreturn]] void Finding(const char* what);
// A finding unless |ok|.
inline void Check(bool ok, const char* what) {
  if (!ok) Finding(what);
}

// Crash files go to the directory the target was started in unless the
// command line names another: the in-process programs change directory.
// Call from LLVMFuzzerInitialize.
void KeepArtifactsInStartDirectory(int* argc, char*** argv);

// Where the bytes of one buffer came from. While a buffer is watched, every
// fread into it notes for each byte the file offset it was read from and
// the generation at the time; NextGeneration() starts a new one.
class Provenance {
 public:
  static constexpr int64_t kNotRead = -1;

  // Watches [base, base + size), every byte "not read" and no read noted;
  // one buffer at a time, until Unwatch().
  static void Watch(const uint8_t* base, size_t size);
  static void Unwatch();
  // File offset that byte |index| of the buffer was last read from, or
  // kNotRead.
  static int64_t SourceOf(size_t index);
  static uint32_t GenerationOf(size_t index);
  // One past the highest buffer index that a fread has filled; 0 for none.
  static size_t ReadEnd();
  static uint32_t Generation();
  static void NextGeneration();
  // The buffer index of |p|, or -1 when |p| is outside the watched buffer.
  static int64_t IndexOf(const void* p);

  // Every fread, into any destination, is noted too while a buffer is
  // watched. WasRead() is true when one since Watch() delivered the |bytes|
  // bytes at file offset |offset| in one piece; ReadsOf() gives the file
  // offsets of those that delivered exactly |bytes| bytes, in order.
  static bool WasRead(int64_t offset, size_t bytes);
  static std::vector<int64_t> ReadsOf(size_t bytes);
};

// Called with the bytes of every fwrite to a stream other than stdout and
// stderr, before the write; null for none.
using WriteCheck = void (*)(const uint8_t* data, size_t size);
void SetWriteCheck(WriteCheck check);

#endif  // FUZZ_FUZZ_SUPPORT_H_
