#!/usr/bin/env bash
# run.sh BUILD_DIR [STARTS]
# Runs the benchmarks of a Release build configured with -DQUENMARK_BUILD_BENCH=ON
# and prints their medians against the targets. STARTS (default 20) is how many
# starts of the window startup.sh times.
set -Eeuo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [STARTS]" >&2; exit 2; }
BUILD=$(realpath "$1")
HERE=$(dirname "$(realpath "$0")")
OUT=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-bench-run.XXXXXX")
trap 'rm -rf "$OUT"' EXIT

for program in core_bench window_bench; do
  "$BUILD/bench/$program" --benchmark_out="$OUT/$program.csv" --benchmark_out_format=csv >&2
done
"$HERE/startup.sh" "$BUILD" "${2:-20}" >"$OUT/keys"
"$HERE/cli.sh" "$BUILD" >>"$OUT/keys"

# ms PROGRAM NAME: the median, in milliseconds, of the benchmark whose name starts with NAME.
ms() {
  awk -F, -v name="$2" '$1 ~ /^"/ { n = $1; gsub(/"/, "", n)
    if (index(n, name) == 1 && n ~ /_median$/) { printf "%.3f", $3 * ($5 == "ns" ? 1e-6 : $5 == "us" ? 1e-3 : 1); exit } }' \
    "$OUT/$1.csv"
}
key() { awk -v key="$1" '$1 == key { print $2 }' "$OUT/keys"; }
row() { printf "%-52s %10s %-4s %s\n" "$1" "$2" "$3" "${4:+target $4 $3}"; }

row "first window shown, from process start" "$(key startup_ms_median)" ms 150
row "processor time to the first window, against a bare Qt window's" "$(key startup_cpu_ratio)" x 1.1
row "window's load of a 16 MiB ROM (LoadRom)" "$(ms core_bench WindowLoad/rom_16MiB)" ms 5
row "the same, 1 GiB sparse ROM" "$(ms core_bench WindowLoad/sparse_1GiB)" ms 5
row "load of 1 GiB of zeros (LoadRom)" "$(ms core_bench CraftedLoad/zeros_1GiB)" ms 250
row "load of 16 MiB without a 0xFF (LoadRom)" "$(ms core_bench CraftedLoad/no_ff_16MiB)" ms 250
row "command line's read of a 16 MiB ROM (ReadRom)" "$(ms core_bench CommandLineRead)" ms
row "whole File, Open in the window" "$(ms window_bench Open1Click)" ms 10
row "edit as seen: Change, with the repaint" "$(ms window_bench Edit/Change)" ms 2
row "edit as seen: Insert at row 0, with the repaint" "$(ms window_bench Edit/Insert)" ms 2
row "edit as seen: Delete at row 0, with the repaint" "$(ms window_bench Edit/Delete)" ms 2
row "edit as seen with the check open: Change" "$(ms window_bench Edit/ChangeChecked)" ms 2
row "edit as seen with the check open: Insert at row 0" "$(ms window_bench Edit/InsertChecked)" ms 2
row "edit as seen with the check open: Delete at row 0" "$(ms window_bench Edit/DeleteChecked)" ms 2
row "export of the 1138 lines" "$(ms core_bench Export)" ms
row "quenmark-cli check of 1000 ROMs of 16 MiB" "$(key cli_check_1000_ms)" ms 250
row "  the same, 1000 sparse ROMs of 1 GiB" "$(key cli_check_1000_1GiB_ms)" ms 250
row "quenmark-cli export of one ROM, whole process" "$(key cli_export_ms)" ms 5
row "quenmark-cli identify of 1 GiB of zeros, CPU" "$(key cli_identify_zeros_cpu_ms)" ms 250
row "  the same, peak memory" "$(key cli_identify_zeros_peak_mib)" MiB 64
row "quenmark-cli identify of 16 MiB without a 0xFF, CPU" "$(key cli_identify_no-ff_cpu_ms)" ms 250
row "  the same, peak memory" "$(key cli_identify_no-ff_peak_mib)" MiB 64
row "peak memory, idle at start" "$(key peak_mib_idle)" MiB
row "peak memory after a 16 MiB File, Open" "$(key peak_mib_loaded)" MiB 60
