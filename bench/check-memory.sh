#!/usr/bin/env bash
# Peak memory of `galewright-deck check` on a deck of a million lines with
# violations in every row, against the memory of the loaded table alone
# (from deck_bench). The check prints each violation as it finds it, so its
# peak should stay near the table's, however many violations there are.
#
#   bench/check-memory.sh [BUILD_DIR] [LINES]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
lines=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
deck=$work/violations.dat

# Every row breaks the basin, date-time, forecast hour, both positions, the
# wind, the pressure and a length limit (column 5, four bytes at most).
awk -v n="$lines" 'BEGIN {
  for (i = 0; i < n; i++)
    printf "XX, %02d, 20141301%02d, 03, BESTTRACK, 130, 901N, 1801E, 301, 1101, XY, 34, NEQ, 1300, 0, 0, 0, 1060, 10000, 1000, 996, A, 1000, Q, 360, 1000, D, 100, 9, 1000, %d\n", i % 100, i % 24, i
}' >"$deck"
size=$(stat -c %s "$deck")

/usr/bin/time -v "$build/bin/galewright-deck" check "$deck" 2>"$work/time.txt" | wc -l >"$work/count.txt" || true
peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
elapsed=$(awk -F'): ' '/Elapsed \(wall clock\)/ {print $2}' "$work/time.txt")
echo "deck: $lines lines, $((size / 1048576)) MB; violations printed: $(cat "$work/count.txt")"
echo "check: peak resident $((peak_kb / 1024)) MB, wall clock $elapsed"
"$build/bin/deck_bench" "$deck" | grep -E '^table memory'
