// Fuzzes the title programs' disk loop in-process: the input picks the
// title and its command line and gives the D88 file (fuzz_inputs.h); the
// title writes its files into a scratch directory that is emptied between
// inputs. g_image, g_buffer and g_output start each input as a new process
// has them.
//
// Besides the sanitizers' checks: every byte written to an output file was
// read from the D88 file, is the byte at the place it was read from, and
// was read after the previous output file was written (no byte left over
// from an earlier cut, and none of g_buffer's initial zeros); no output
// file is left open; the exit status is 0, or 1 for a usage error.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <new>
#include <string>

#include "fuzz_inputs.h"
#include "fuzz_support.h"
#include "titles.h"

namespace {

const Title* const kTitles[fuzz_input::kTitleCount] = {
    &kRipa, &kRipb, &kRipc, &kRipd, &kRipe, &kRipf, &kRipg, &kRiph, &kRipi,
};
const char* const kNames[fuzz_input::kTitleCount] = {
    "ripa", "ripb", "ripc", "ripd", "ripe", "ripf", "ripg", "riph", "ripi",
};

const uint8_t* g_file = nullptr;
size_t g_fileSize = 0;

void CheckOutputWrite(const uint8_t* data, size_t size) {
  const int64_t at = Provenance::IndexOf(data);
  Check(at >= 0 && at + size <= sizeof g_buffer,
        "the output does not come from g_buffer");
  for (size_t i = 0; i < size; ++i) {
    const int64_t source = Provenance::SourceOf(at + i);
    Check(source != Provenance::kNotRead, "an output byte was never read");
    Check(static_cast<size_t>(source) < g_fileSize && data[i] == g_file[source],
          "an output byte differs from the file byte it was read from");
    Check(Provenance::GenerationOf(at + i) == Provenance::Generation(),
          "an output byte was left by a read before the previous file");
  }
  Provenance::NextGeneration();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  KeepArtifactsInStartDirectory(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int title = data[0] % fuzz_input::kTitleCount;
  g_file = data + 2;
  g_fileSize = size - 2;
  const std::string input = ScratchPath() + "/in.d88";
  const std::string outputs = ScratchPath() + "/out";
  WriteWholeFile(input, g_file, g_fileSize);
  mkdir(outputs.c_str(), 0700);
  EmptyDirectory(outputs);

  std::string words[3] = {kNames[title], input,
                          std::string(1, static_cast<char>(data[1]))};
  char* argv[4] = {words[0].data(), words[1].data(), words[2].data(), nullptr};
  const int argc = data[1] != 0 ? 3 : 2;

  // A new process's globals: the image constructed afresh (its destructor
  // closes the previous input's file), the buffer zeroed, no output open.
  g_image.~D88Image();
  new (&g_image) D88Image();
  memset(g_buffer, 0, sizeof g_buffer);
  g_output = nullptr;

  const int start = open(".", O_RDONLY | O_DIRECTORY);
  Check(start >= 0 && chdir(outputs.c_str()) == 0, "cannot change directory");
  Provenance::Watch(g_buffer, sizeof g_buffer);
  SetWriteCheck(CheckOutputWrite);
  const int status = RunTitle(*kTitles[title], argc, argv);
  SetWriteCheck(nullptr);
  Provenance::Unwatch();
  Check(fchdir(start) == 0, "cannot change directory back");
  close(start);

  // Outputs in the scratch directory never fail, so status 1 is a usage
  // error, which writes nothing.
  Check(status == 0 || (status == 1 && std::filesystem::is_empty(outputs)),
        "exit status 1 after writing, or neither 0 nor 1");
  Check(g_output == nullptr, "an output file was left open");
  return 0;
}
