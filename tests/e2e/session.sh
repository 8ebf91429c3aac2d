#!/usr/bin/env bash
# A whole session from the keyboard: open a ROM and repair its illegal entry,
# change, insert and delete entries, save, export. The repair reaches the file at
# once; the save changes the table region exactly as the edits say and nothing
# else; the export is the edited list, the same bytes quenmark-cli exports.
# Then, in French, a ROM whose game reads a table of another size: the warning
# ("Alerte", one button) comes before the repair question, nothing reaches the
# file, and Save says so.
source "$(dirname "$0")/lib.sh"
rom=$WORK/game.gba
"$MAKE_TEST_ROM" BPRE "$rom" 10=0163
cp "$rom" "$WORK/before.gba"

start_program
focus_main && keys alt+f o && choose_file Open "$rom"
answer Attention Return  # the repair question, Yes
barrier
"$MAKE_TEST_ROM" BPRE "$WORK/repaired.gba" 10=0001
same_file "$rom" "$WORK/repaired.gba" "the repair is in the file at once"

# Nothing has had the focus yet, so the first Tab goes to Export; the drop-down
# is the fourth stop and the list the sixth. The drop-down shows the selected
# row's entry, so each edit picks its row first, then its choice. A barrier
# after each edit makes sure it was handled before the next one starts.
# Change row 1 to the last choice.
keys Tab Tab Tab Tab Tab Tab
select_row 1
keys shift+Tab shift+Tab End shift+Tab shift+Tab space
barrier
# Insert the third choice before row 2.
keys Tab Tab Tab Tab
select_row 2
keys shift+Tab shift+Tab Home Down Down shift+Tab space
answer Warning alt+i  # the table is full: Insert Anyway drops its last entry
barrier
# Delete row 5.
keys Tab Tab Tab
select_row 5
keys shift+Tab space
barrier

# Save and export.
save
keys shift+Tab shift+Tab shift+Tab shift+Tab space
choose_file "Save As" "$WORK/list.txt"
barrier

# Change: entry 1 is move 354. Insert at 2: species 2, and everything after moves
# down a place. Delete at 5 (the old entry 4): everything after moves back, and
# an end mark comes in at the end.
entry() { od --endian=little -An -tx2 -j $((BPRE_TABLE + 2 * $1)) -N 2 "$WORK/repaired.gba" | tr -d ' '; }
"$MAKE_TEST_ROM" BPRE "$WORK/expected.gba" 1=0162 2=4E22 3="$(entry 2)" 4="$(entry 3)" 10=0001 1137=FFFF
same_file "$rom" "$WORK/expected.gba" "the saved table is the edited one"
"$CLI" export "$rom" -o "$WORK/cli.txt"
same_file "$WORK/list.txt" "$WORK/cli.txt" "the window's export and quenmark-cli's"
[ "$(sed -n 2,3p "$WORK/list.txt")" = "$(printf '    MOVE354\nSPECIES2')" ] || fail "lines 2-3: $(sed -n 2,3p "$WORK/list.txt")"
# In French, a ROM whose game reads 1200 entries.
hack=$WORK/hack.gba
"$MAKE_TEST_ROM" BPRE:1 "$hack" words=0825EF7C,0825EF7C,4B0 3=0000
cp "$hack" "$WORK/hack-before.gba"
focus_main && keys alt+o l f  # Options, Language, Français
HELP_KEY=alt+a VERSIONS="Versions Compatibles"
focus_main && keys alt+f o  # saved: no question
choose_file Ouvrir "$hack"  # the dialog in French as well
answer Alerte Return     # the warning
answer Attention Return  # the repair question, Yes: in memory only
save
same_file "$hack" "$WORK/hack-before.gba" "a ROM that is only shown"
echo PASS
