#!/usr/bin/env bash
# A whole session from the keyboard: open a clean ROM, change, insert and delete
# an entry, save, export. Only the table region of the ROM may change, and it
# must change exactly as the three edits say; the export is the edited list.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

rom=$WORK/game.gba
"$MAKE_TEST_ROM" BPRE "$rom"
cp "$rom" "$WORK/before.gba"

start_program
open_first "$rom"
# Let the load and the window's activation settle before counting Tabs.
barrier

# Nothing has had the focus yet, so the first Tab goes to Export; the drop-down
# is the fourth stop and the list the sixth. A barrier after each edit makes
# sure it was handled before the next one starts.
note "change row 1 to the last choice"
keys Tab Tab Tab Tab End        # drop-down: choice 765, move 354
keys Tab Tab; select_row 1      # list: row 1
keys shift+Tab shift+Tab shift+Tab shift+Tab space  # Change Entry
barrier

note "insert the third choice before row 2"
keys Tab Tab Home Down Down     # drop-down: choice 2, species 2
keys Tab Tab; select_row 2      # list: row 2
keys shift+Tab shift+Tab shift+Tab space  # Insert New Entry
barrier

note "delete row 5"
keys Tab Tab Tab; select_row 5  # list: row 5
keys shift+Tab space            # Delete Entry
barrier

note "save"
save
assert_alive "after saving"

note "export"
keys shift+Tab shift+Tab shift+Tab shift+Tab space  # Export List as .txt
choose_file "Save As" "$WORK/list.txt"
barrier
assert_alive "after exporting"

# ---- the ROM ----
[ "$(file_size "$rom")" = "$(file_size "$WORK/before.gba")" ] || fail "the ROM changed size"
changed=$(diff_offsets "$WORK/before.gba" "$rom")
[ -n "$changed" ] || fail "the save changed nothing"
for at in $changed; do
  ((at >= BPRE_TABLE && at < BPRE_TABLE + TABLE_SIZE)) ||
    fail "byte $at outside the table region changed"
done
# Change: entry 1 is move 354. Insert at 2: species 2, and everything after
# moves down one place. Delete at 5 (the old entry 4): everything after moves
# back, and the species filler comes in at the end.
"$MAKE_TEST_ROM" BPRE "$WORK/expected.gba" 1=0162 2=4E22 \
  3="$(entry_at "$WORK/before.gba" 2)" 4="$(entry_at "$WORK/before.gba" 3)" 1137=4E20
assert_same_file "$rom" "$WORK/expected.gba" "the saved table is not the edited one"

# ---- the export ----
list=$WORK/list.txt
[ -f "$list" ] || fail "no export file"
[ "$(wc -l <"$list")" -eq $ENTRY_COUNT ] || fail "the export has $(wc -l <"$list") lines"
[ "$(tail -c1 "$list" | od -An -tx1 | tr -d ' ')" = 0a ] || fail "the export does not end with a newline"
# "Pokémon" in Windows-1252: é is the one byte E9.
[ "$(hex_at "$list" 0 8)" = 506f6be96d6f6e0a ] || fail "line 1 is not Pok\\xE9mon: $(hex_at "$list" 0 8)"
expected_head=$(printf '%s\n' "    MOVE354" SPECIES2 "    MOVE32" "    MOVE63" "    MOVE125")
[ "$(sed -n 2,6p "$list")" = "$expected_head" ] || fail "lines 2-6 are: $(sed -n 2,6p "$list")"
[ "$(tail -n1 "$list")" = SPECIES0 ] || fail "the last line is not the filler's species: $(tail -n1 "$list")"

echo PASS
