#!/usr/bin/env bash
# fuzz/smoke.sh [SECONDS]: builds load_fuzzer (clang, ASan, UBSan) in build-fuzz,
# writes a few seeds and fuzzes for SECONDS seconds (default 60). Prints the
# number of executions; exits non-zero on any crash, broken invariant, leak,
# timeout or sanitizer report, leaving the input that caused it behind.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
run=$build/fuzz-run

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENMARK_SANITIZE=ON \
  -DQUENMARK_BUILD_UI=OFF -DQUENMARK_BUILD_TESTS=OFF -DQUENMARK_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" --target load_fuzzer -j"${QUENMARK_JOBS:-2}" >/dev/null
rm -rf "$run"
mkdir -p "$run/corpus" "$run/artifacts"

# Seeds in the harness's input format (fuzz/load_fuzzer.cpp): release, version
# byte, words, end of file, then table bytes.
seed() { printf "$2" >"$run/corpus/$1"; }
for row in {0..20}; do seed "clean-$row" "\\x$(printf %02x "$row")\\x00\\x01\\x00"; done
seed illegal '\x03\x00\x01\x00\x00\x00\x63\x01\x1f\x4e\xbc\x4f\x34\x12'
seed declined '\x03\x00\x81\x00\x34\x12\x00\x00'
seed end-mark '\x02\x00\x01\x00\x21\x4e\xff\xff\x00\x00\x99\x99'
seed moved '\x0e\x01\x02\x00\x00\x00'
seed foreign '\x0a\x02\x03\x00\x00\x00\x00\x08\x00\x00\x00\x08\x71\x04\x00\x00'
seed cut-table '\x04\x00\x01\x9c\x21\x4e\x33\x00'

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
status=0
"$build/fuzz/load_fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=20 \
  -print_final_stats=1 -artifact_prefix="$run/artifacts/" "$run/corpus" >"$run/fuzz.log" 2>&1 ||
  status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/fuzz.log")
echo "load_fuzzer: ${executions:-unknown} executions in $seconds s (log: $run/fuzz.log)"
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$run/artifacts")" ] ||
  grep -qE '==[0-9]+==ERROR|runtime error:|SUMMARY: [A-Za-z]+Sanitizer|broken:' "$run/fuzz.log"; then
  tail -n 40 "$run/fuzz.log" >&2
  echo "load_fuzzer found a fault; the input is in $run/artifacts" >&2
  exit 1
fi
