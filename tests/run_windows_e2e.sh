#!/bin/sh
# run_windows_e2e.sh WIN_BIN_DIR HOST_BUILD_DIR [CTEST_ARGS...]
#
# Runs the end-to-end tests of the native build in HOST_BUILD_DIR (its
# e2e_tests binary, through ctest -L e2e) against the Windows programs in
# WIN_BIN_DIR (NAME.exe, from the mingw-w64 cross build), each started by
# wine in a wine prefix made for this run in a scratch directory.
set -eu
win_bin=$(cd "$1" && pwd)
host=$2
shift 2

scratch=$(mktemp -d "${TMPDIR:-/tmp}/d88wine.XXXXXX")
export WINEPREFIX="$scratch/prefix"
export WINEDEBUG=-all  # Also keeps Debian's wine wrapper from printing hints.
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# The prefix, made once: without it the first program run would print
# wine's configuration lines. mscoree and mshtml would ask for installers
# from the network. setarch -R: see D88_TEST_RUNNER below.
WINEDLLOVERRIDES="mscoree,mshtml=" setarch -R wineboot -i \
  >"$scratch/wineboot.log" 2>&1 || {
  cat "$scratch/wineboot.log"
  exit 1
}
wineserver -w
# One wine server (and its system processes) for all the runs, instead of
# one started for each program.
wineserver -p

# No debugger: a crash ends the program without a trace on its streams.
export WINEDLLOVERRIDES="winedbg.exe=d"
export D88_TEST_TARGET=windows
# Address space randomisation off: now and then it puts a mapping where
# wine (without its preloader) must map Windows' shared user data, and wine
# then ends with status 1 before the program runs.
export D88_TEST_RUNNER="setarch -R wine"
export D88_TEST_BIN_DIR="$win_bin"
status=0
ctest --test-dir "$host" -L e2e --no-tests=error --output-on-failure "$@" ||
  status=$?
echo "Cases not run against the Windows programs, and why:"
grep -h '^\[ NOT RUN' "$host/Testing/Temporary/LastTest.log" | sort -u || true
exit $status
