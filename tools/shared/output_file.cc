#include "output_file.h"

#include <filesystem>
#include <system_error>

#include "messages.h"

bool IsSameFile(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return false;
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

bool WriteOutputFile(const char* path, const char* inputPath,
                     const uint8_t* data, int size, FILE*& stream) {
  if (IsSameFile(path, inputPath)) {
    fprintf(stderr, kMsgSameAsInput, path);
    return false;
  }
  stream = fopen(path, "wb");
  if (stream == nullptr) {
    fputs(kMsgCannotOpen, stderr);
    return false;
  }
  const size_t wanted = size > 0 ? static_cast<size_t>(size) : 0;
  bool ok = fwrite(data, 1, wanted, stream) == wanted;
  // A small write to a full device fails only in the flush of the close.
  ok = fclose(stream) == 0 && ok;
  stream = nullptr;
  if (!ok) fputs(kMsgCannotWrite, stderr);
  return ok;
}
