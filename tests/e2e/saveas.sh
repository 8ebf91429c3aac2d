#!/usr/bin/env bash
# Save As from the keyboard: the copy holds the edits, the original is left as
# it was, and the window goes on with the copy (its title, and the next Save);
# then closing with unsaved edits asks first.
source "$(dirname "$0")/lib.sh"
rom=$WORK/game.gba copy=$WORK/copy.gba
start_and_delete
focus_main && keys ctrl+shift+s && choose_file "Save As" "$copy"
answer Attention Return
[ "$(title)" = "copy.gba — Quenmark" ] || fail "title after Save As: $(title)"
same_file "$rom" "$WORK/before.gba" "the original after Save As"
"$CLI" export "$WORK/before.gba" -o "$WORK/before.txt"
"$CLI" export "$copy" -o "$WORK/copy.txt"
[ "$(sed 3d "$WORK/before.txt")" = "$(head -n 1137 "$WORK/copy.txt")" ] || fail "the copy's list"
# Nothing outside the table differs.
{ cmp -l "$WORK/before.gba" "$copy" || true; } | awk -v lo=$BPRE_TABLE -v hi=$((BPRE_TABLE + 2276)) \
  '$1 - 1 < lo || $1 - 1 >= hi { bad = 1 } END { exit bad }' || fail "bytes outside the table"

# The next Save goes into the copy: Find goes on to the row after, which was row 4.
focus_main && keys ctrl+f Return Escape Delete
barrier
save
same_file "$rom" "$WORK/before.gba" "the original after a later Save"
"$CLI" export "$copy" -o "$WORK/copy2.txt"
[ "$(sed '3d;5d' "$WORK/before.txt")" = "$(head -n 1136 "$WORK/copy2.txt")" ] || fail "the later Save"

# Closing with an edit asks: Cancel keeps the window, Discard ends the program
# with the file as saved.
cp "$copy" "$WORK/saved.gba"
focus_main && keys ctrl+f Return Escape Delete
barrier
[ "$(title)" = "copy.gba* — Quenmark" ] || fail "title after an edit: $(title)"
keys ctrl+q && answer Warning Escape  # Cancel
kill -0 "$QPID" || fail "Cancel closed the window"
focus_main && keys ctrl+q
box=$(window Warning)
xdotool windowfocus --sync "$box" && keys alt+d  # Discard
for ((i = 0; i < 100; i++)); do kill -0 "$QPID" 2>/dev/null || break; sleep 0.05; done
kill -0 "$QPID" 2>/dev/null && fail "Discard did not close the window"
same_file "$copy" "$WORK/saved.gba" "discarded edits"
echo PASS
