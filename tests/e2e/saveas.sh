#!/usr/bin/env bash
# Save As from the keyboard: the copy holds the edits, the original is left as
# it was, and the window goes on with the copy (its title, and the next Save).
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
echo PASS
