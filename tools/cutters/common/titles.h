// The tables of the nine title programs, one per directory beside this one.
#ifndef TOOLS_CUTTERS_COMMON_TITLES_H_
#define TOOLS_CUTTERS_COMMON_TITLES_H_

#include "cutter.h"

extern const Title kRipa;
extern const Title kRipb;
extern const Title kRipc;
extern const Title kRipd;
extern const Title kRipe;
extern const Title kRipf;
extern const Title kRipg;
extern const Title kRiph;
extern const Title kRipi;

#endif  // TOOLS_CUTTERS_COMMON_TITLES_H_
