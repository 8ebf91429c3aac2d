#!/usr/bin/env bash
# fuzz/smoke.sh [SECONDS]: builds load_fuzzer (clang, ASan, UBSan) in build-fuzz,
# makes the seeds and fuzzes a copy of them for SECONDS seconds (default 60).
# Prints the number of executions; exits non-zero on any crash, broken invariant,
# leak, timeout or sanitizer report, leaving the input that caused it behind.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
jobs=${QUENMARK_JOBS:-2}

bash fuzz/make_seeds.sh fuzz/corpus "$build"
cmake --build "$build" --target load_fuzzer -j"$jobs" >/dev/null

run=$build/fuzz-run
rm -rf "$run"
mkdir -p "$run/corpus" "$run/artifacts"
cp fuzz/corpus/* "$run/corpus/"

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Seeds are about 12 KB; a little more room lets the table slice run past the table.
status=0
"$build/fuzz/load_fuzzer" -max_total_time="$seconds" -max_len=16384 -timeout=20 \
  -print_final_stats=1 -artifact_prefix="$run/artifacts/" "$run/corpus" >"$run/fuzz.log" 2>&1 &
pid=$!
wait "$pid" || status=$?
# A crash skips the fuzzer's own clean-up of its scratch ROM.
rm -f "/dev/shm/quenmark-fuzz-$pid.gba" "${TMPDIR:-/tmp}/quenmark-fuzz-$pid.gba"

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/fuzz.log")
echo "load_fuzzer: ${executions:-unknown} executions in $seconds s (log: $run/fuzz.log)"
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$run/artifacts")" ] ||
  grep -qE '==[0-9]+==ERROR|runtime error:|SUMMARY: [A-Za-z]+Sanitizer|broken:' "$run/fuzz.log"; then
  tail -n 40 "$run/fuzz.log" >&2
  echo "load_fuzzer found a fault; the input is in $run/artifacts" >&2
  exit 1
fi
