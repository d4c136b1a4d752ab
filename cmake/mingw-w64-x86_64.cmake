# Cross-compiles the programs for 64-bit Windows with Debian's mingw-w64
# (package g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The programs are linked statically, so each .exe needs only the system
# DLLs (KERNEL32.dll, msvcrt.dll).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(D88_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${D88_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${D88_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${D88_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${D88_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
