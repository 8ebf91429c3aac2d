#!/usr/bin/env bash
# The repair questions while loading, answered from the keyboard. Yes writes the
# filler of the entry's kind over exactly its two bytes at once, without a save;
# the repaired file then loads without a question. No leaves the file as it was,
# and a save after such a stopped load writes nothing anywhere.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# Entry 10 holds move 355 and entry 500 a value of no kind.
rom=$WORK/game.gba
"$MAKE_TEST_ROM" BPRE "$rom" 10=0163 500=1234
cp "$rom" "$WORK/before.gba"

start_program
note "two questions, both answered Yes (the default button)"
open_first "$rom"
answer Attention Return
answer Attention Return
barrier

[ "$(file_size "$rom")" = "$(file_size "$WORK/before.gba")" ] || fail "the repairs changed the size"
changed=$(diff_offsets "$WORK/before.gba" "$rom" | tr '\n' ' ')
e10=$((BPRE_TABLE + 20))
e500=$((BPRE_TABLE + 1000))
[ "$changed" = "$e10 $((e10 + 1)) $e500 $((e500 + 1)) " ] ||
  fail "the repairs changed bytes $changed, not the two entries"
[ "$(hex_at "$rom" $e10 2)" = 0100 ] || fail "entry 10 holds $(hex_at "$rom" $e10 2), not the move filler"
[ "$(hex_at "$rom" $e500 2)" = 204e ] || fail "entry 500 holds $(hex_at "$rom" $e500 2), not the species filler"
cp "$rom" "$WORK/repaired.gba"

note "the repaired file loads without a question"
open_again "$rom"
barrier
assert_same_file "$rom" "$WORK/repaired.gba" "after a clean reload"

note "a question answered No, then File, Save"
other=$WORK/other.gba
"$MAKE_TEST_ROM" BPRE "$other" 7=4FBC
cp "$other" "$WORK/other-before.gba"
open_again "$other"
answer Attention n
barrier
assert_same_file "$other" "$WORK/other-before.gba" "after No"
save
assert_same_file "$other" "$WORK/other-before.gba" "after a save following No"
assert_same_file "$rom" "$WORK/repaired.gba" "after a save following No"
assert_alive "at the end"

echo PASS
