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

# The ids of the program's shown windows with exactly this title. A window that
# closes while xdotool looks at it ends the search with an X error: it is asked
# again then, so a passing tooltip or dialog never passes for an answer.
shown() {
  local ids try
  for ((try = 0; try < 20; try++)); do
    ids=$(xdotool search --all --onlyvisible --pid "$QPID" --name "^$1\$" 2>"$WORK/xerror") || true
    grep -q "X Error" "$WORK/xerror" || { echo "$ids"; return; }
    sleep 0.05
  done
  fail "xdotool kept failing: $(cat "$WORK/xerror")"
}

# The program's shown window with exactly this title.
window() {
  local id i
  for ((i = 0; i < 200; i++)); do
    id=$(shown "$1" | head -n1)
    [ -n "$id" ] && echo "$id" && return
    sleep 0.05
  done
  fail "no window titled \"$1\" appeared"
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
    grep -qx "$box" <<<"$(shown "$title")" || break
    sleep 0.05
  done
  ((i < 200)) || fail "the window \"$title\" did not close"
  focus_main
}
choose_file() { answer "$1" ctrl+a BackSpace "type:$2" Return; }

# Ctrl+S, and the box that says the file was saved.
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

title() { xdotool getwindowname "$MAIN"; }

# A Fire Red ROM at $rom (kept as before.gba), opened, with row 2 deleted: Find
# selects it (the first line holding MOVE: move 1 is "A\nB"), and Escape leaves
# the focus in the list, where Delete deletes.
start_and_delete() {
  "$MAKE_TEST_ROM" BPRE "$rom"
  cp "$rom" "$WORK/before.gba"
  start_program "game.gba — Quenmark" "$rom"
  focus_main && keys ctrl+f && xdotool type --delay 10 MOVE && keys Escape Delete
  barrier
}

same_file() { cmp -s "$1" "$2" || fail "$1 differs from $2 ($3)"; }
