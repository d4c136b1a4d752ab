#include "d88sect.h"

int main(int argc, char** argv) { return D88SectMain(argc, argv); }
