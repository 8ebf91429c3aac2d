# Shared by the end-to-end scripts, which drive the real program from the
# keyboard under a private Xvfb. A script sources this file and calls
#   e2e_init QUENMARK MAKE_TEST_ROM
# first: the first call runs the script again inside its own X server (and
# returns 77, "skipped", when none can be started); inside, it sets
#   QUENMARK, MAKE_TEST_ROM   the two programs
#   WORK                      a fresh scratch directory, removed afterwards
# and the functions below drive the program. Every wait is bounded.

set -Eeuo pipefail

E2E_LIMIT=${E2E_LIMIT:-60}  # seconds for the whole script, X server included
E2E_WAIT=${E2E_WAIT:-10}    # seconds for any one window to appear or go
KEY_DELAY=40                # ms between keys: Qt drops none at this pace

# BPRE, the release make_test_rom writes by default (rom/versions.h).
BPRE_TABLE=$((0x25EF0C))
TABLE_SIZE=2276
ENTRY_COUNT=1138

QPID=""
MAIN=""

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${WORK:-}" ] && [ -s "$WORK/quenmark.log" ]; then
    echo "--- program output:" >&2
    cat "$WORK/quenmark.log" >&2
  fi
  exit 1
}

note() { echo "== $*"; }

e2e_init() {
  [ $# -ge 2 ] || { echo "usage: $0 QUENMARK MAKE_TEST_ROM" >&2; exit 2; }
  QUENMARK=$(realpath "$1")
  MAKE_TEST_ROM=$(realpath "$2")
  if [ -z "${E2E_INSIDE:-}" ]; then
    e2e_outer "$@"  # never returns
  fi
  trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
  trap e2e_inner_exit EXIT
  : >"$WORK/x-started"
  xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "SKIP: no X server could be started (xdotool cannot reach $DISPLAY)" >&2; exit 77; }
  # The program must not inherit a platform choice meant for the unit tests.
  unset QT_QPA_PLATFORM
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
}

# Runs this script again under xvfb-run, inside `timeout`, which puts the whole
# tree (xvfb-run, Xvfb, the script, the program) in one process group: one kill
# of that group ends everything on any way out.
e2e_outer() {
  local script; script=$(realpath "$0")
  if ! command -v xvfb-run >/dev/null || ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "SKIP: xvfb-run, Xvfb and xdotool are needed for the end-to-end tests" >&2
    exit 77
  fi
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-e2e.XXXXXX")
  export WORK
  E2E_GROUP=""
  trap e2e_outer_exit EXIT
  trap 'exit 143' TERM INT
  # -ac lets a client of another user (the read-only cases) connect. xvfb-run
  # keeps its authority file under TMPDIR: here, out of everyone else's way.
  E2E_INSIDE=1 TMPDIR="$WORK" timeout -k 5 "$E2E_LIMIT" \
    xvfb-run -a -e "$WORK/xvfb.log" -s "-ac -screen 0 800x600x24" \
    bash "$script" "$@" &
  E2E_GROUP=$!
  local rc=0
  wait "$E2E_GROUP" || rc=$?
  # The group is killed on the way out in any case: xvfb-run leaves its server
  # running when its own clean-up fails. The script's own status counts, not
  # xvfb-run's, which its clean-up can change.
  if [ -s "$WORK/status" ]; then
    rc=$(cat "$WORK/status")
  elif [ ! -e "$WORK/x-started" ]; then
    echo "SKIP: no X server could be started (xvfb-run exit $rc)" >&2
    [ -s "$WORK/xvfb.log" ] && cat "$WORK/xvfb.log" >&2
    exit 77
  else
    echo "FAIL: stopped after ${E2E_LIMIT}s (exit $rc)" >&2
    rc=1
  fi
  if [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ] && [ -s "$WORK/xvfb.log" ]; then
    echo "--- X server log:" >&2
    cat "$WORK/xvfb.log" >&2
  fi
  exit "$rc"
}

e2e_outer_exit() {
  if [ -n "$E2E_GROUP" ]; then kill -TERM -- "-$E2E_GROUP" 2>/dev/null || true; fi
  # E2E_KEEP=1 keeps the scratch directory for a look after a failure.
  if [ -n "${E2E_KEEP:-}" ]; then
    echo "kept $WORK" >&2
  else
    chmod -R u+w "$WORK" 2>/dev/null || true
    rm -rf "$WORK"
  fi
}

e2e_inner_exit() {
  local rc=$?
  stop_program
  echo "$rc" >"$WORK/status"
  exit $rc
}

# ---- the program ----

# start_program [as_user]: starts the program (as that user when given, which
# needs root) and waits for its main window.
start_program() {
  if [ $# -ge 1 ]; then
    mkdir -m 0700 "$WORK/runtime-$1" "$WORK/home-$1"
    chown "$1" "$WORK/runtime-$1" "$WORK/home-$1"
    setpriv --reuid="$1" --regid="$(id -gn "$1")" --clear-groups --reset-env \
      env DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$WORK/runtime-$1" HOME="$WORK/home-$1" \
      "$QUENMARK" >"$WORK/quenmark.log" 2>&1 &
  else
    "$QUENMARK" >"$WORK/quenmark.log" 2>&1 &
  fi
  QPID=$!
  MAIN=$(timeout "$E2E_WAIT" xdotool search --all --sync --onlyvisible --pid "$QPID" --name '^Quenmark$' | head -n1) ||
    fail "the main window did not appear"
  [ -n "$MAIN" ] || fail "the main window did not appear"
}

stop_program() {
  if [ -n "$QPID" ]; then
    kill "$QPID" 2>/dev/null || true
    wait "$QPID" 2>/dev/null || true
    QPID=""
  fi
}

assert_alive() {
  kill -0 "$QPID" 2>/dev/null || fail "the program is no longer running ($*)"
  xdotool getwindowname "$MAIN" >/dev/null 2>&1 || fail "the main window is gone ($*)"
}

# ---- keyboard ----

keys() { xdotool key --clearmodifiers --delay "$KEY_DELAY" "$@"; }

focus_main() { xdotool windowfocus --sync "$MAIN"; }

# The visible window of the program with exactly this title, once it is there.
wait_window() {
  local id
  id=$(timeout "$E2E_WAIT" xdotool search --all --sync --onlyvisible --pid "$QPID" --name "^$1\$" | head -n1) || true
  [ -n "$id" ] || fail "no window titled \"$1\" appeared${2:+ ($2)}; open: $(window_titles)"
  echo "$id"
}

# The titles of the program's visible windows, for failure messages.
window_titles() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$QPID" --name . 2>/dev/null); do
    printf '"%s" ' "$(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

# Waits until the window with this id is no longer shown; $2 is its title.
wait_gone() {
  local i
  for ((i = 0; i < E2E_WAIT * 20; i++)); do
    xdotool search --all --onlyvisible --pid "$QPID" --name "^$2\$" 2>/dev/null | grep -x "$1" >/dev/null || return 0
    sleep 0.05
  done
  fail "the window \"$2\" did not close; open: $(window_titles)"
}

# No visible window of the program has this title right now.
assert_no_window() {
  if xdotool search --all --onlyvisible --pid "$QPID" --name "^$1\$" >/dev/null 2>&1; then
    fail "unexpected window titled \"$1\"${2:+ ($2)}"
  fi
}

# answer TITLE KEY...: waits for the box, presses the keys in it, waits for it
# to close and gives the focus back to the main window. Sets BOX_HEIGHT.
answer() {
  local title=$1 box
  shift
  box=$(wait_window "$title")
  xdotool windowfocus --sync "$box"
  BOX_HEIGHT=$(xdotool getwindowgeometry "$box" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  keys "$@"
  wait_gone "$box" "$title"
  focus_main
}

# With the focus in the list, selects row $1. Focus alone makes row 0 current
# without selecting it, and Home onto the current row selects nothing, so the
# walk starts from the other end.
select_row() {
  local i downs=()
  for ((i = 0; i < $1; i++)); do downs+=(Down); done
  keys End Home "${downs[@]}"
}

# In the file dialog titled $1, replaces the file name with the path $2 and
# confirms it.
choose_file() {
  local dialog
  dialog=$(wait_window "$1")
  xdotool windowfocus --sync "$dialog"
  keys ctrl+a BackSpace
  xdotool type --delay 10 "$2"
  keys Return
  wait_gone "$dialog" "$1"
  focus_main
}

# File, Open of a path, while no ROM is loaded yet.
open_first() {
  focus_main
  keys alt+f o
  choose_file Open "$1"
}

# File, Open of a path over a loaded ROM: the replace question, answered Yes.
open_again() {
  focus_main
  keys alt+f o
  answer Warning y
  choose_file Open "$1"
}

# File, Save, and the one box it shows; BOX_HEIGHT tells its size.
save() {
  focus_main
  keys alt+f s
  answer Attention Return
}

# What differs between the languages for the keys: the Help menu is "&Help" or
# "&Aide", and the title of the Versions Compatible box takes an s in French.
HELP_KEY=alt+h
VERSIONS_TITLE="Versions Compatible"

# Options, Language, Français (or English) from the keyboard.
use_french() {
  focus_main
  keys alt+o l f
  HELP_KEY=alt+a
  VERSIONS_TITLE="Versions Compatibles"
}
use_english() {
  focus_main
  keys alt+o l e
  HELP_KEY=alt+h
  VERSIONS_TITLE="Versions Compatible"
}

# A round trip through the event loop: once the Versions Compatible box shows,
# every key sent before it has been handled. Fails if another box is in the way.
barrier() {
  focus_main
  keys "$HELP_KEY" v
  answer "$VERSIONS_TITLE" Return
}

# ---- files ----

file_size() { stat -c %s "$1"; }

# hex_at FILE OFFSET COUNT: the bytes as lower-case hex, no spaces.
hex_at() { od -An -v -tx1 -j "$2" -N "$3" "$1" | tr -d ' \n'; }

# The table entry i of a BPRE ROM as four hex digits, high byte first.
entry_at() {
  local b; b=$(hex_at "$1" $((BPRE_TABLE + 2 * $2)) 2)
  echo "${b:2:2}${b:0:2}"
}

# Zero-based offsets of the bytes in which two files of one size differ.
diff_offsets() { cmp -l "$1" "$2" | awk '{ print $1 - 1 }' || true; }

assert_same_file() {
  cmp -s "$1" "$2" || fail "$1 differs from $2${3:+ ($3)}"
}
