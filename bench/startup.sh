#!/usr/bin/env bash
# startup.sh BUILD_DIR [RUNS]
# Under a private Xvfb: the real program's time from process start to its mapped
# main window, timed by first_window (median of RUNS, default 20, after a warm-up
# start), its processor time until then against a bare Qt window's, then its peak memory (VmHWM) idle and after a keyboard File, Open of a
# 16 MiB synthetic ROM. Prints "key value" lines for run.sh.
set -Eeuo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [RUNS]" >&2; exit 2; }
BUILD=$(realpath "$1")
RUNS=${2:-20}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-bench.XXXXXX")
XPID="" QPID=""
trap 'kill $QPID $XPID 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$WORK"' EXIT
fail() { echo "startup.sh: $*" >&2; exit 1; }

Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 800x600x24 3>"$WORK/display" 2>/dev/null &
XPID=$!
for ((i = 0; i < 500; i++)); do [ -s "$WORK/display" ] && break; sleep 0.01; done
export DISPLAY=":$(head -n1 "$WORK/display")" XDG_RUNTIME_DIR="$WORK"
unset QT_QPA_PLATFORM
chmod 0700 "$WORK"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
"$BUILD/bench/first_window" Quenmark "$BUILD/ui/quenmark" >/dev/null || fail "no first window"
for ((run = 1; run <= RUNS; run++)); do
  "$BUILD/bench/first_window" Quenmark "$BUILD/ui/quenmark" || fail "no first window"
done | median | sed 's/^/startup_ms_median /'
# Processor time until the first window, against a bare Qt window with the same
# controls: what Quenmark's own start adds.
cpu() {
  "$BUILD/bench/first_window" --cpu "$@" >/dev/null || fail "no first window"
  for ((run = 1; run <= RUNS; run++)); do "$BUILD/bench/first_window" --cpu "$@"; done | median
}
own=$(cpu Quenmark "$BUILD/ui/quenmark")
bare=$(cpu Bare "$BUILD/bench/bare_window")
echo "startup_cpu_ms $own"
echo "startup_cpu_bare_ms $bare"
echo "startup_cpu_ratio $(awk -v a="$own" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')"

# Peak memory: idle, then after File, Open typed at the keyboard. The Versions
# Compatible box can only come up once the load has returned.
window() { timeout 10 xdotool search --sync --onlyvisible --pid "$QPID" --name "^$1\$" | head -n1; }
keys() { sleep 0.3; xdotool windowfocus --sync "$1"; shift; xdotool key --delay 40 "$@"; }
hwm() { awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$QPID/status"; }
"$BUILD/tools/make_test_rom" BPRE "$WORK/rom.gba" $((16 << 20))
"$BUILD/ui/quenmark" >/dev/null 2>&1 &
QPID=$!
main=$(window Quenmark) || fail "no main window"
echo "peak_mib_idle $(hwm)"
keys "$main" alt+f o
dialog=$(window Open) || fail "no open dialog"
keys "$dialog" ctrl+a BackSpace
xdotool type --delay 10 "$WORK/rom.gba"
xdotool key Return
sleep 0.5
keys "$main" alt+h v
window "Versions Compatible" >/dev/null || fail "the load did not finish"
echo "peak_mib_loaded $(hwm)"
