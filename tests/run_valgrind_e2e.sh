#!/bin/sh
# run_valgrind_e2e.sh BUILD_DIR [CTEST_ARGS...]
#
# Runs the end-to-end tests of BUILD_DIR (a build without sanitizers) with
# every program started under valgrind's memcheck: the tests find the
# programs through D88_TEST_BIN_DIR, here a directory of scripts, one per
# program, that start the real one under valgrind by its bare name, so that
# argument 0 stays what the test chose. Each valgrind writes its report to
# a log of its own; the run fails when a test fails or any log is not empty
# (a test that expects exit status 1 could not tell valgrind's from the
# program's).
set -eu
build=$(cd "$1" && pwd)
shift
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/d88valgrind.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/bin" "$scratch/logs"
# The read-only-directory tests run the programs as user nobody.
chmod 755 "$scratch" "$scratch/bin"
chmod 1777 "$scratch/logs"
for program in "$build"/bin/d88sect "$build"/bin/rip?; do
  name=$(basename "$program")
  cat >"$scratch/bin/$name" <<EOF
#!/bin/sh
PATH="$build/bin:\$PATH" exec valgrind -q --error-exitcode=1 \\
  --leak-check=full --errors-for-leak-kinds=definite \\
  --log-file="$scratch/logs/$name.%p" $name "\$@"
EOF
  chmod 755 "$scratch/bin/$name"
done

status=0
D88_TEST_BIN_DIR="$scratch/bin" ctest --test-dir "$build" -L e2e \
  --output-on-failure "$@" || status=1
runs=$(find "$scratch/logs" -type f | wc -l)
for log in "$scratch"/logs/*; do
  if [ -s "$log" ]; then
    echo "== valgrind: $(basename "$log")"
    cat "$log"
    status=1
  fi
done
echo "valgrind watched $runs program runs; reports: $(find "$scratch/logs" -type f -size +0 | wc -l)"
exit $status
