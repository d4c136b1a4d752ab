// Fuzzes d88sect's whole flow in-process: the numbers on its command line
// and the D88 file come from the input (fuzz_inputs.h); the output is
// always the same scratch file. Between inputs, g_buffer and g_sectorIds
// are zeroed as a new process would have them.
//
// Besides the sanitizers' checks: the output file, when one is written, is
// a slice of g_buffer whose every byte is either one that was read from the
// D88 file at the place it came from, or a zero that nothing filled; the
// bytes read form one stretch from the start of g_buffer, so zeros only
// follow the run; nothing is read past the slice; the file has the size
// asked for; and a failing run leaves no output file and no other file.
#include <cstring>
#include <filesystem>
#include <string>

#include "d88sect.h"
#include "fuzz_inputs.h"
#include "fuzz_support.h"

namespace {

const uint8_t* g_image = nullptr;
size_t g_imageSize = 0;
size_t g_written = 0;  // Bytes passed to fwrite for the output file.

void CheckOutputWrite(const uint8_t* data, size_t size) {
  const int64_t at = Provenance::IndexOf(data);
  Check(at >= 0 && at + size <= sizeof g_buffer,
        "the output does not come from g_buffer");
  const size_t end = at + size;
  bool filled = true;  // Still inside the stretch that the run read.
  for (size_t i = 0; i < end; ++i) {
    const int64_t source = Provenance::SourceOf(i);
    if (source == Provenance::kNotRead) {
      filled = false;
      Check(g_buffer[i] == 0, "an output byte was neither read nor zero");
    } else {
      Check(filled, "read bytes follow a gap in the run");
      Check(static_cast<size_t>(source) < g_imageSize &&
                g_buffer[i] == g_image[source],
            "an output byte differs from the file byte it was read from");
    }
  }
  Check(Provenance::ReadEnd() <= end, "the run read past the written slice");
  g_written += size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int argCount = data[0] % (fuzz_input::kMaxSectArgs + 1);
  std::string texts[fuzz_input::kMaxSectArgs];
  size_t at = 1;
  for (int i = 0; i < argCount; ++i) {
    const void* nul = at < size ? memchr(data + at, 0, size - at) : nullptr;
    const size_t end =
        nul != nullptr ? static_cast<const uint8_t*>(nul) - data : size;
    texts[i].assign(reinterpret_cast<const char*>(data + at), end - at);
    at = end < size ? end + 1 : size;
  }
  g_image = data + at;
  g_imageSize = size - at;

  const std::string input = ScratchPath() + "/in.d88";
  const std::string output = ScratchPath() + "/out";
  WriteWholeFile(input, g_image, g_imageSize);
  std::error_code error;
  std::filesystem::remove(output, error);

  std::string words[3 + fuzz_input::kMaxSectArgs] = {"d88sect", input, output};
  char* argv[3 + fuzz_input::kMaxSectArgs + 1] = {};
  for (int i = 0; i < argCount; ++i) words[3 + i] = texts[i];
  for (int i = 0; i < 3 + argCount; ++i) argv[i] = words[i].data();

  memset(g_buffer, 0, sizeof g_buffer);
  memset(g_sectorIds, 0, sizeof g_sectorIds);
  g_written = 0;
  Provenance::Watch(g_buffer, sizeof g_buffer);
  SetWriteCheck(CheckOutputWrite);
  const int status = D88SectMain(3 + argCount, argv);
  SetWriteCheck(nullptr);
  Provenance::Unwatch();

  Check(status == 0 || status == 1, "exit status other than 0 and 1");
  const bool exists = std::filesystem::exists(output);
  if (status == 0) {
    Check(exists && std::filesystem::file_size(output) == g_written,
          "the output file does not hold what was written");
    if (argCount >= 4) {
      Check(static_cast<int64_t>(g_written) == ParseNumber(texts[3].c_str()),
            "the output file is not of the size asked for");
    }
  } else {
    Check(!exists, "a failed run left an output file");
  }
  int entries = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(ScratchPath(), error)) {
    (void)entry;
    ++entries;
  }
  Check(entries == (exists ? 2 : 1), "a file other than the output appeared");
  return 0;
}
