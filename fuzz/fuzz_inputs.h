// The layout of each fuzz target's input, read by the target and written
// by the seed generator. Every layout ends with the bytes of a D88 file.
#ifndef FUZZ_FUZZ_INPUTS_H_
#define FUZZ_FUZZ_INPUTS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz_input {

// --- d88image_fuzzer ---
// Byte 0: the operation count (low 4 bits), then that many operations of
// kOpSize bytes, then the D88 file. Each operation is applied to every
// disk index from -1 to the disk count.
enum OpKind : uint8_t {
  kReadSector = 0,      // ReadSector(track, c, h, r, n, buffer, length)
  kReadSectors = 1,     // ReadSectors(track, c, h, r, n, buffer, length)
  kGetSectorIds = 2,    // GetSectorIds(track, buffer, length)
  kSetSectorRange = 3,  // SetSectorRange(c, r)
};
struct Op {
  uint8_t kind;   // OpKind, modulo 4.
  uint8_t track;  // 0xF0..0xFF stand for -16..-1.
  uint8_t c, h, r;
  uint8_t n;        // Signed: 0x80..0xFF stand for -128..-1.
  uint16_t length;  // Little-endian in the input.
};
constexpr size_t kOpSize = 8;
constexpr int kMaxOps = 15;

inline int OpTrack(const Op& op) {
  return op.track >= 0xF0 ? op.track - 256 : op.track;
}
inline int OpSizeCode(const Op& op) { return static_cast<int8_t>(op.n); }

inline std::vector<uint8_t> ImageInput(const std::vector<Op>& ops,
                                       const std::vector<uint8_t>& file) {
  std::vector<uint8_t> out = {static_cast<uint8_t>(ops.size())};
  for (const Op& op : ops) {
    const uint8_t bytes[kOpSize] = {op.kind,
                                    op.track,
                                    op.c,
                                    op.h,
                                    op.r,
                                    op.n,
                                    static_cast<uint8_t>(op.length),
                                    static_cast<uint8_t>(op.length >> 8)};
    out.insert(out.end(), bytes, bytes + kOpSize);
  }
  out.insert(out.end(), file.begin(), file.end());
  return out;
}

// --- d88sect_fuzzer ---
// Byte 0: the number of arguments after the D88 file and the output file,
// modulo 7 (so 0 to 6: fewer than three is a usage error, a sixth is
// ignored); then each argument as text ended by a NUL; then the D88 file.
constexpr int kMaxSectArgs = 6;

inline std::vector<uint8_t> SectInput(const std::vector<std::string>& args,
                                      const std::vector<uint8_t>& file) {
  std::vector<uint8_t> out = {static_cast<uint8_t>(args.size())};
  for (const std::string& a : args) {
    out.insert(out.end(), a.begin(), a.end());
    out.push_back(0);
  }
  out.insert(out.end(), file.begin(), file.end());
  return out;
}

// --- cutter_fuzzer ---
// Byte 0: the title, modulo 9 (ripa to ripi); byte 1: 0 for no argument
// after the D88 file, else a one-character argument (ripc's disk number);
// then the D88 file.
constexpr int kTitleCount = 9;

inline std::vector<uint8_t> CutterInput(int title, char argument,
                                        const std::vector<uint8_t>& file) {
  std::vector<uint8_t> out = {static_cast<uint8_t>(title),
                              static_cast<uint8_t>(argument)};
  out.insert(out.end(), file.begin(), file.end());
  return out;
}

}  // namespace fuzz_input

#endif  // FUZZ_FUZZ_INPUTS_H_
