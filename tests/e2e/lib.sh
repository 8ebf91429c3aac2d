# The driver of the end-to-end scripts, which run the real program on the X
# server run.sh gives them and type at it as a user would. Every wait is bounded.
set -Eeuo pipefail
QUENMARK=$(realpath "$1")
CLI=$(realpath "$2")
MAKE_TEST_ROM=$(realpath "$3")
BPRE_TABLE=$((0x25EF0C))  # the table of the Fire Red ROMs make_test_rom writes
QPID="" MAIN=""
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
trap 'kill $QPID 2>/dev/null || true' EXIT
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$WORK/runtime XDG_CONFIG_HOME=$WORK/config  # settings of its own
mkdir -m 0700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*" >&2 && cat "$WORK/log" >&2 2>/dev/null; exit 1; }
keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
focus_main() { xdotool windowfocus --sync "$MAIN"; }

# The program's shown window with exactly this title.
window() {
  local id
  id=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$QPID" --name "^$1\$" | head -n1) || true
  [ -n "$id" ] || fail "no window titled \"$1\" appeared"
  echo "$id"
}

# start_program [TITLE [ARGUMENT...]]: the main window titled TITLE (Quenmark).
start_program() {
  "$QUENMARK" "${@:2}" >"$WORK/log" 2>&1 &
  QPID=$!
  MAIN=$(window "${1:-Quenmark}")
}

# answer TITLE KEY...: presses the keys in that window (a box, or a file dialog
# with the name typed as "type:NAME"), waits for it to close and gives the focus
# back to the main window.
answer() {
  local box title=$1 key
  box=$(window "$title")
  xdotool windowfocus --sync "$box"
  for key in "${@:2}"; do
    if [[ $key == type:* ]]; then xdotool type --delay 10 "${key#type:}"; else keys "$key"; fi
  done
  for ((i = 0; i < 200; i++)); do
    xdotool search --onlyvisible --pid "$QPID" --name "^$title\$" 2>/dev/null | grep -qx "$box" || break
    sleep 0.05
  done
  ((i < 200)) || fail "the window \"$title\" did not close"
  focus_main
}
choose_file() { answer "$1" ctrl+a BackSpace "type:$2" Return; }

# Ctrl+S: in French, Save and Save As share their menu letter.
save() { focus_main && keys ctrl+s && answer Attention Return; }

# A round trip through the event loop: once the Versions box shows, every key
# sent before it has been handled. Fails if another box is in the way. The Help
# menu and the box's title differ in French.
HELP_KEY=alt+h VERSIONS="Versions Compatible"
barrier() { focus_main && keys "$HELP_KEY" v && answer "$VERSIONS" Return; }

# With the focus in the list, selects row $1: focus alone makes row 0 current
# without selecting it, so the walk starts from the other end.
select_row() {
  local downs=()
  for ((i = 0; i < $1; i++)); do downs+=(Down); done
  keys End Home "${downs[@]}"
}

same_file() { cmp -s "$1" "$2" || fail "$1 differs from $2 ($3)"; }
