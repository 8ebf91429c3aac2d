#!/usr/bin/env bash
# cli.sh BUILD_DIR [RUNS]
# Times quenmark-cli as scripts run it, as whole processes on a warm page cache:
# check over 1000 synthetic ROMs of 16 MiB (sparse copies, so their size costs no
# disk), the same over 1000 of 1 GiB (the cost must not grow with the size), and
# one export of one ROM. Prints "key value" lines (milliseconds, median of RUNS,
# default 10) for run.sh.
set -Eeuo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [RUNS]" >&2; exit 2; }
BUILD=$(realpath "$1")
RUNS=${2:-10}
CLI=$BUILD/cli/quenmark-cli
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-cli-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

for size in 16 1024; do
  "$BUILD/tools/make_test_rom" BPRE "$WORK/rom.gba" $((size << 20))
  mkdir "$WORK/$size"
  for ((i = 0; i < 1000; i++)); do cp --sparse=always "$WORK/rom.gba" "$WORK/$size/$i.gba"; done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
# time_ms COMMAND...: the median wall time of RUNS runs, after one warm-up run.
time_ms() {
  "$@" >/dev/null
  for ((run = 0; run < RUNS; run++)); do
    local start=${EPOCHREALTIME/./}
    "$@" >/dev/null
    echo $(((${EPOCHREALTIME/./} - start) / 10))
  done | median | awk '{ printf "%.2f", $1 / 100 }'
}
echo "cli_check_1000_ms $(time_ms "$CLI" check "$WORK"/16/*.gba)"
echo "cli_check_1000_1GiB_ms $(time_ms "$CLI" check "$WORK"/1024/*.gba)"
echo "cli_export_ms $(time_ms "$CLI" export "$WORK/rom.gba")"
