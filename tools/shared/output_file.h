// Writing one output file, as every program of the suite does it.
#ifndef TOOLS_SHARED_OUTPUT_FILE_H_
#define TOOLS_SHARED_OUTPUT_FILE_H_

#include <cstdint>
#include <cstdio>

// True when |a| and |b| name the same existing file, through links and
// relative paths alike. False when either is null.
bool IsSameFile(const char* a, const char* b);

// Creates |path| with "wb" and writes |size| bytes of |data| in one write,
// keeping the stream in |stream| while it is open. Refuses to touch |path|
// when it is the D88 file |inputPath| (which may be null: none). Prints the
// reason to standard error and returns false when the file was not written
// whole; a write error is reported once, whether the write or the closing flush
// finds it.
bool WriteOutputFile(const char* path, const char* inputPath,
                     const uint8_t* data, int size, FILE*& stream);

#endif  // TOOLS_SHARED_OUTPUT_FILE_H_
