#!/usr/bin/env bash
# startup.sh BUILD_DIR [RUNS]
# Under a private Xvfb, times the real program from process start to the mapping
# of its main window with first_window (median of RUNS, default 20, after one
# warm-up start), then
# measures peak memory (VmHWM): of the program idle and after a File, Open of a
# 16 MiB synthetic ROM from the keyboard, and of the window benchmark process.
# Progress goes to stderr; stdout gets "key value" lines, which run.sh reads.
set -Eeuo pipefail

[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [RUNS]" >&2; exit 2; }
BUILD=$(realpath "$1")
RUNS=${2:-20}
QUENMARK=$BUILD/ui/quenmark
MAKE_TEST_ROM=$BUILD/tools/make_test_rom
WINDOW_BENCH=$BUILD/bench/window_bench
FIRST_WINDOW=$BUILD/bench/first_window
WAIT_US=10000000  # no window takes ten seconds to appear
KEY_DELAY=40      # ms between keys: Qt drops none at this pace

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 2; }
done
for program in "$QUENMARK" "$MAKE_TEST_ROM" "$WINDOW_BENCH" "$FIRST_WINDOW"; do
  [ -x "$program" ] || { echo "$program is missing: build $BUILD first" >&2; exit 2; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-bench.XXXXXX")
XPID=""
QPID=""
cleanup() {
  local rc=$?
  local pid
  for pid in $QPID $XPID; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$WORK"
  exit $rc
}
trap cleanup EXIT

fail() {
  echo "startup.sh: $*" >&2
  [ -s "$WORK/quenmark.log" ] && cat "$WORK/quenmark.log" >&2
  exit 1
}

now_us() { echo "${EPOCHREALTIME/./}"; }

# ---- the X server: Xvfb picks a free display itself and writes its number ----

Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XPID=$!
for ((i = 0; i < 500; i++)); do
  [ -s "$WORK/display" ] && break
  kill -0 "$XPID" 2>/dev/null || { cat "$WORK/xvfb.log" >&2; fail "Xvfb did not start"; }
  sleep 0.01
done
[ -s "$WORK/display" ] || fail "Xvfb gave no display"
DISPLAY=":$(head -n1 "$WORK/display")"
export DISPLAY
for ((i = 0; i < 500; i++)); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.01
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { cat "$WORK/xvfb.log" >&2; fail "cannot reach Xvfb on $DISPLAY"; }
unset QT_QPA_PLATFORM  # the program must use the X server, not the offscreen platform
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"

# ---- the program's windows ----

start_program() {
  "$QUENMARK" >"$WORK/quenmark.log" 2>&1 &
  QPID=$!
}

stop_program() {
  kill "$QPID" 2>/dev/null || true
  wait "$QPID" 2>/dev/null || true
  QPID=""
}

# Polls for a shown window of the program with exactly this title and prints its
# id (xdotool's own --sync looks only every half second).
find_window() {
  local start; start=$(now_us)
  local id
  until id=$(xdotool search --all --onlyvisible --pid "$QPID" --name "^$1\$" 2>/dev/null); do
    kill -0 "$QPID" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    (($(now_us) - start < WAIT_US)) || fail "no window titled \"$1\" appeared"
  done
  echo "${id%%$'\n'*}"
}

wait_gone() {
  local start; start=$(now_us)
  while xdotool search --all --onlyvisible --pid "$QPID" --name "^$1\$" >/dev/null 2>&1; do
    (($(now_us) - start < WAIT_US)) || fail "the window titled \"$1\" did not close"
    sleep 0.02
  done
}

# Gives a window that has just appeared the input focus. Qt drops keys that come
# before it has finished showing the window, hence the pause.
focus() {
  sleep 0.3
  xdotool windowfocus --sync "$1"
}

keys() { xdotool key --clearmodifiers --delay "$KEY_DELAY" "$@"; }

vmhwm_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

kb_to_mib() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# ---- 1. process start to first shown window ----

echo "timing $RUNS starts of $QUENMARK on $DISPLAY" >&2
# One start first fills the font and library caches.
"$FIRST_WINDOW" Quenmark "$QUENMARK" 2>>"$WORK/quenmark.log" >/dev/null || fail "no first window"
: >"$WORK/starts"
for ((run = 1; run <= RUNS; run++)); do
  "$FIRST_WINDOW" Quenmark "$QUENMARK" 2>>"$WORK/quenmark.log" >>"$WORK/starts" ||
    fail "no first window"
done
echo "startup_ms_median $(median <"$WORK/starts")"
echo "startup_ms_runs $(tr '\n' ' ' <"$WORK/starts")"

# ---- 2. peak memory of the program, idle and after a keyboard File, Open ----

"$MAKE_TEST_ROM" BPRE "$WORK/rom16.gba" $((16 * 1024 * 1024))
start_program
main=$(find_window Quenmark)
focus "$main"
idle_kb=$(vmhwm_kb "$QPID")
keys alt+f o
dialog=$(find_window Open)
focus "$dialog"
keys ctrl+a BackSpace
xdotool type --delay 10 "$WORK/rom16.gba"
keys Return
wait_gone Open
# The Versions Compatible box can only come up once the load has returned; an
# unsupported-ROM or repair box would stand in its way.
focus "$main"
keys alt+h v
box=$(find_window "Versions Compatible")
loaded_kb=$(vmhwm_kb "$QPID")
focus "$box"
keys Return
stop_program
echo "peak_mib_program_idle $(kb_to_mib "$idle_kb")"
echo "peak_mib_program_loaded $(kb_to_mib "$loaded_kb")"

# ---- 3. peak memory of the window benchmark (its repeated whole loads) ----

echo "measuring the peak memory of window_bench (Open1Click benchmarks)" >&2
if [ -x /usr/bin/time ]; then
  /usr/bin/time -v -o "$WORK/time.txt" "$WINDOW_BENCH" --benchmark_filter='^Open1Click' >/dev/null 2>"$WORK/bench.log"
  bench_kb=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$WORK/time.txt")
else
  QT_QPA_PLATFORM=offscreen "$WINDOW_BENCH" --benchmark_filter='^Open1Click' >/dev/null &
  bpid=$!
  bench_kb=0
  while kb=$(vmhwm_kb "$bpid" 2>/dev/null) && [ -n "$kb" ]; do
    bench_kb=$kb
    sleep 0.05
  done
  wait "$bpid"
fi
echo "peak_mib_window_bench $(kb_to_mib "$bench_kb")"
