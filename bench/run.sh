#!/usr/bin/env bash
# run.sh BUILD_DIR [STARTS]
# Runs the two benchmark programs and startup.sh of a build configured with
# -DQUENMARK_BUILD_BENCH=ON, then prints the medians against the targets.
# STARTS (default 20) is how many program starts startup.sh times.
set -Eeuo pipefail

[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [STARTS]" >&2; exit 2; }
BUILD=$(realpath "$1")
HERE=$(dirname "$(realpath "$0")")
OUT=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-bench-run.XXXXXX")
trap 'rm -rf "$OUT"' EXIT

for program in core_bench window_bench; do
  [ -x "$BUILD/bench/$program" ] || { echo "$BUILD/bench/$program is missing" >&2; exit 2; }
  "$BUILD/bench/$program" --benchmark_out="$OUT/$program.csv" --benchmark_out_format=csv
done
"$HERE/startup.sh" "$BUILD" "${2:-20}" | tee "$OUT/startup.txt"

# us FILE NAME: the median wall time, in microseconds, of the benchmark whose full
# name starts with NAME; empty when it did not run.
us() {
  awk -F, -v name="$2" '
    $1 ~ /^"/ {
      n = $1
      gsub(/"/, "", n)
      if (index(n, name) != 1 || n !~ /_median$/) next
      f = $5 == "ns" ? 0.001 : $5 == "us" ? 1 : $5 == "ms" ? 1000 : 1000000
      printf "%.3f", $3 * f
      exit
    }' "$OUT/$1.csv"
}

startup() { awk -v key="$1" '$1 == key { print $2 }' "$OUT/startup.txt"; }

# row LABEL VALUE UNIT [LIMIT]: VALUE and LIMIT in UNIT; no LIMIT for a figure
# that has no target of its own.
row() {
  local label=$1 value=$2 unit=$3 limit=${4:-}
  awk -v label="$label" -v v="$value" -v unit="$unit" -v limit="$limit" 'BEGIN {
    shown = v == "" ? "n/a" : sprintf(v < 1 ? "%.3f %s" : v < 100 ? "%.2f %s" : "%.0f %s", v, unit)
    target = limit == "" ? "" : sprintf("< %s %s", limit, unit)
    verdict = limit == "" ? "" : v == "" ? "MISSING" : v + 0 < limit + 0 ? "ok" : "MISSED"
    printf "%-52s %12s %10s  %s\n", label, shown, target, verdict
  }'
}

ms() { [ -n "$1" ] && awk -v us="$1" 'BEGIN { printf "%.4f", us / 1000 }'; }
diff_ms() {
  [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", (a - b) / 1000 }'
}

open_us=$(us window_bench Open1Click/)
core_in_window_us=$(us window_bench CoreLoad/)

echo
echo "Medians on $(nproc) cores; loads from a warm page cache."
printf "%-52s %12s %10s\n" "" "median" "target"
row "first window shown, from process start" "$(startup startup_ms_median)" ms 150
row "core load (LoadRom), 16 MiB ROM" "$(ms "$(us core_bench LoadWhole/rom_16MiB/)")" ms 5
row "core load (LoadRom), 1 GiB sparse ROM" "$(ms "$(us core_bench LoadWhole/sparse_1GiB/)")" ms 5
row "window's part of a load (Open1Click - LoadRom)" "$(diff_ms "$open_us" "$core_in_window_us")" ms 5
row "  FillListBox alone (1138 rows)" "$(ms "$(us window_bench FillListBox/)")" ms
row "  SetLabelCaptions alone" "$(ms "$(us window_bench SetLabelCaptions/)")" ms
row "whole File, Open (Open1Click), 16 MiB ROM" "$(ms "$open_us")" ms 10
row "  the same, with the repaint that follows" "$(ms "$(us window_bench Open1ClickPainted/)")" ms 10
row "edit as seen: Change (ChangeButtonClick)" "$(ms "$(us window_bench Edit/Change/)")" ms 2
row "edit as seen: Insert at row 0 (InsertButtonClick)" "$(ms "$(us window_bench Edit/Insert/)")" ms 2
row "edit as seen: Delete at row 0 (DeleteButtonClick)" "$(ms "$(us window_bench Edit/Delete/)")" ms 2
row "edit as seen: Change, with the repaint" "$(ms "$(us window_bench Edit/ChangePainted/)")" ms 2
row "model alone: ChangeEntry" "$(us core_bench ChangeEntryAlone/)" us
row "model alone: InsertEntry at row 0" "$(us core_bench InsertEntryAlone/)" us
row "model alone: DeleteEntry at row 0" "$(us core_bench DeleteEntryAlone/)" us
row "export of 1138 lines (ExportListLines)" "$(ms "$(us core_bench ExportLines/)")" ms
row "peak memory: program, idle at start" "$(startup peak_mib_program_idle)" MiB
row "peak memory: program after a 16 MiB File, Open" "$(startup peak_mib_program_loaded)" MiB 60
row "peak memory: window benchmark process" "$(startup peak_mib_window_bench)" MiB 60
