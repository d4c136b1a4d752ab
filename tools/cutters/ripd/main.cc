#include "titles.h"

int main(int argc, char** argv) { return RunTitle(kRipd, argc, argv); }
