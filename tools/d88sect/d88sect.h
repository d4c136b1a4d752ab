// d88sect: writes one sector, or a slice of a run of sectors, of a disk in
// a D88 file to an output file.
#ifndef TOOLS_D88SECT_D88SECT_H_
#define TOOLS_D88SECT_D88SECT_H_

#include <cstdint>

// Reads |text| as "0x" followed by a hexadecimal number, or else as a
// decimal number, the way "0x%x" and then "%d" scan it (leading blanks and
// a sign allowed); 0 when neither reads. Never overflows: decimal values
// clamp to the 32-bit range, hexadecimal ones to 0xFFFFFFFF, and hex values
// from 0x80000000 up are the negative 32-bit numbers with those bits.
int32_t ParseNumber(const char* text);

// The static buffers, zero when the program starts: the track's sector ids
// (C, H, R, N) and the run.
extern uint8_t g_sectorIds[256];
extern uint8_t g_buffer[0xB4000];

// The whole program: arguments as main gets them; returns the exit status.
int D88SectMain(int argc, char** argv);

#endif  // TOOLS_D88SECT_D88SECT_H_
