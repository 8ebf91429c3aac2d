# The driver of the end-to-end scripts, which run the real program on the X
# server run.sh gives them and type at it as a user would. Every wait is bounded.
set -Eeuo pipefail
QUENMARK=$(realpath "$1")
CLI=$(realpath "$2")
MAKE_TEST_ROM=$(realpath "$3")
BPRE_TABLE=$((0x25EF0C))  # the table of the Fire Red ROMs make_test_rom writes
QPID="" MAIN="" BOX_HEIGHT=0
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
trap 'kill $QPID 2>/dev/null || true' EXIT
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"

fail() {
  echo "FAIL: $*" >&2
  cat "$WORK/log" >&2 2>/dev/null || true
  exit 1
}
note() { echo "== $*"; }

# start_program [USER]: starts the program (as USER, which needs root) and waits
# for its main window.
start_program() {
  if [ $# -ge 1 ]; then
    mkdir -m 0700 "$WORK/home" && chown "$1" "$WORK/home"
    setpriv --reuid="$1" --regid="$(id -gn "$1")" --clear-groups --reset-env \
      env DISPLAY="$DISPLAY" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/home" "$QUENMARK" >"$WORK/log" 2>&1 &
  else
    "$QUENMARK" >"$WORK/log" 2>&1 &
  fi
  QPID=$!
  MAIN=$(window Quenmark)
}

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
focus_main() { xdotool windowfocus --sync "$MAIN"; }

# The program's shown window with exactly this title.
window() {
  local id
  id=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$QPID" --name "^$1\$" | head -n1) || true
  [ -n "$id" ] || fail "no window titled \"$1\" appeared"
  echo "$id"
}

# gone ID TITLE: waits until that window is no longer shown, then gives the
# focus back to the main window.
gone() {
  for ((i = 0; i < 200; i++)); do
    xdotool search --onlyvisible --pid "$QPID" --name "^$2\$" 2>/dev/null | grep -qx "$1" || break
    sleep 0.05
  done
  ((i < 200)) || fail "the window \"$2\" did not close"
  focus_main
}

# answer TITLE KEY...: presses the keys in that box and waits for it to close.
# Sets BOX_HEIGHT.
answer() {
  local box title=$1
  box=$(window "$title")
  shift
  xdotool windowfocus --sync "$box"
  BOX_HEIGHT=$(xdotool getwindowgeometry "$box" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  keys "$@"
  gone "$box" "$title"
}

# choose_file TITLE PATH: types the path into the file dialog and confirms it.
choose_file() {
  local dialog
  dialog=$(window "$1")
  xdotool windowfocus --sync "$dialog"
  keys ctrl+a BackSpace
  xdotool type --delay 10 "$2"
  keys Return
  gone "$dialog" "$1"
}

# File, Open of a path while no ROM is loaded.
open_rom() {
  focus_main
  keys alt+f o
  choose_file Open "$1"
}

save() {
  focus_main
  keys alt+f s
  answer Attention Return
}

# The Help menu and the Versions box by language: "&Help"/"&Aide", and an s in French.
HELP_KEY=alt+h VERSIONS="Versions Compatible"
use_french() {
  focus_main
  keys alt+o l f
  HELP_KEY=alt+a VERSIONS="Versions Compatibles"
}

# A round trip through the event loop: once the Versions box shows, every key
# sent before it has been handled. Fails if another box is in the way.
barrier() {
  focus_main
  keys "$HELP_KEY" v
  answer "$VERSIONS" Return
}

# With the focus in the list, selects row $1: focus alone makes row 0 current
# without selecting it, so the walk starts from the other end.
select_row() {
  local downs=()
  for ((i = 0; i < $1; i++)); do downs+=(Down); done
  keys End Home "${downs[@]}"
}

hex_at() { od -An -v -tx1 -j "$2" -N "$3" "$1" | tr -d ' \n'; }
same_file() { cmp -s "$1" "$2" || fail "$1 differs from $2 ($3)"; }
