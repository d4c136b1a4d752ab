#!/bin/sh
# demo.sh BIN_DIR WORK_DIR: writes the sample D88 files into WORK_DIR and
# runs the programs on them there, showing what each one wrote. Messages
# are Shift-JIS; they are shown through iconv where it is available.
set -e
bin=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cd "$work"
"$bin/make_samples" .

show() {  # Runs a program, its messages converted for this terminal.
  echo "\$ $*"
  if command -v iconv >/dev/null 2>&1; then
    "$bin/$@" 2>&1 | iconv -f SHIFT_JIS -t UTF-8
  else
    "$bin/$@" 2>&1
  fi
}

# For each file: its size, and the label at the start of its first and its
# last 256-byte sector, which tell where its bytes came from.
listing() {
  for f in "$@"; do
    size=$(wc -c <"$f")
    first=$(head -c 17 "$f")
    last=$(tail -c "$(( (size - 1) % 256 + 1 ))" "$f" | head -c 17)
    printf '  %-8s %6d bytes  [%s] .. [%s]\n' "$f" "$size" "$first" "$last"
  done
}

echo "== d88sect: sector 3 of track index 5 of disk 1, and a run across tracks"
show d88sect sample.d88 sector.bin 1 5 3
listing sector.bin
show d88sect sample.d88 run.bin 0 4 16 512
listing run.bin

for title in ripa ripb ripc ripd ripe ripf ripg riph ripi; do
  echo
  echo "== $title: every disk of its sample set, in $work/$title"
  mkdir "$title"
  (cd "$title" && show "$title" "../$title.d88" && listing $(ls))
done
