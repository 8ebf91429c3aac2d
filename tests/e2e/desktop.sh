#!/usr/bin/env bash
# Started with a ROM: an edit, then closing asks about it and Cancel keeps the
# window; another edit and one undo leave the mark on, and closing with Discard
# ends the program with the file as it was.
source "$(dirname "$0")/lib.sh"
rom=$WORK/game.gba
start_and_delete
[ "$(title)" = "game.gba* — Quenmark" ] || fail "title after an edit: $(title)"
keys ctrl+q && answer Warning Escape  # Cancel
kill -0 "$QPID" || fail "Cancel closed the window"
focus_main && keys ctrl+f Return Escape Delete
barrier
keys ctrl+z
barrier
[ "$(title)" = "game.gba* — Quenmark" ] || fail "title after one undo: $(title)"
focus_main && keys ctrl+q
box=$(window Warning)
xdotool windowfocus --sync "$box" && keys alt+d  # Discard
for ((i = 0; i < 100; i++)); do kill -0 "$QPID" 2>/dev/null || break; sleep 0.05; done
kill -0 "$QPID" 2>/dev/null && fail "Discard did not close the window"
same_file "$rom" "$WORK/before.gba" "discarded edits"
echo PASS
