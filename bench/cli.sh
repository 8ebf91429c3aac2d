#!/usr/bin/env bash
# cli.sh BUILD_DIR [RUNS]
# Times quenmark-cli as scripts run it, as whole processes on a warm page cache:
# check over 1000 synthetic ROMs of 16 MiB (sparse copies, so their size costs no
# disk), the same over 1000 of 1 GiB (the cost must not grow with the size), one
# export of one ROM, and the CPU time and peak memory of identify on the two files
# made to cost the name reading the most: zeros to the end of 1 GiB, and 16 MiB of
# random bytes without a 0xFF. Prints "key value" lines (milliseconds or MiB,
# median of RUNS, default 10) for run.sh.
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

# Only the game code at 0xAC: the rest zeros (sparse), or random bytes where 0xFF is 0xFE.
truncate -s 1G "$WORK/zeros.gba"
head -c 16M /dev/urandom | LC_ALL=C tr '\377' '\376' >"$WORK/no-ff.gba"
for crafted in zeros no-ff; do
  printf BPRE | dd of="$WORK/$crafted.gba" bs=1 seek=$((0xAC)) conv=notrunc status=none
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
# cpu_mib COMMAND...: the medians of RUNS runs' user + system CPU time (ms) and
# peak resident memory (MiB), as two numbers.
cpu_mib() {
  "$@" >/dev/null
  local runs=()
  for ((run = 0; run < RUNS; run++)); do
    runs+=("$(/usr/bin/time -f '%U %S %M' "$@" 2>&1 >/dev/null | tail -n1)")
  done
  printf '%s\n' "${runs[@]}" | awk '{ print ($1 + $2) * 1000 }' | median
  printf '%s\n' "${runs[@]}" | awk '{ printf "%.1f\n", $3 / 1024 }' | median
}
for crafted in zeros no-ff; do
  read -r -d '' ms mib < <(cpu_mib "$CLI" identify "$WORK/$crafted.gba") || true
  echo "cli_identify_${crafted}_cpu_ms $ms"
  echo "cli_identify_${crafted}_peak_mib $mib"
done
