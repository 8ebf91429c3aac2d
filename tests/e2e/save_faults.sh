#!/usr/bin/env bash
# File, Save after the loaded ROM was taken away or replaced behind the
# program's back: deleted, cut short, turned into a folder, replaced by another
# release's ROM. Each time the program must stay up, leave whatever is at the
# path as it is (and create nothing), and say so in its box; the failure text is
# long and wraps, so its box is taller than the one-line "saved" box. Once the
# ROM is back, the same edit saves normally.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

rom=$WORK/game.gba
"$MAKE_TEST_ROM" BPRE "$rom"
cp "$rom" "$WORK/original.gba"

start_program
open_first "$rom"
barrier  # the load and the window's activation settle before counting Tabs
note "change row 0 to the last choice, so that any write would show"
keys Tab Tab Tab Tab End Tab Tab  # drop-down: move 354; then the list
select_row 0
keys shift+Tab shift+Tab shift+Tab shift+Tab space
barrier

failed_heights=()
save_must_fail() {
  save
  failed_heights+=("$BOX_HEIGHT")
  assert_alive "$1"
}

note "deleted"
rm "$rom"
save_must_fail "ROM deleted"
[ ! -e "$rom" ] || fail "the save created the deleted ROM again"

note "cut short inside the table"
head -c $((BPRE_TABLE + 1000)) "$WORK/original.gba" >"$rom"
cp "$rom" "$WORK/short.gba"
save_must_fail "ROM cut short"
assert_same_file "$rom" "$WORK/short.gba" "a save into a cut ROM"

note "replaced by a folder"
rm "$rom"
mkdir "$rom"
save_must_fail "ROM replaced by a folder"
[ -d "$rom" ] && [ -z "$(ls -A "$rom")" ] || fail "the folder in place of the ROM changed"
rmdir "$rom"

note "replaced by another release of the same size"
"$MAKE_TEST_ROM" BPGE "$rom" "$(file_size "$WORK/original.gba")"
cp "$rom" "$WORK/other.gba"
save_must_fail "ROM replaced by another release"
assert_same_file "$rom" "$WORK/other.gba" "a save into another release's ROM"

note "the ROM back in place: the same edit now saves"
cp "$WORK/original.gba" "$rom"
save
saved_height=$BOX_HEIGHT
"$MAKE_TEST_ROM" BPRE "$WORK/expected.gba" 0=0162
assert_same_file "$rom" "$WORK/expected.gba" "the save after the ROM came back"

for h in "${failed_heights[@]}"; do
  ((h > saved_height)) || fail "a failed save showed a box no taller ($h px) than the saved box ($saved_height px)"
done
echo "PASS (failure boxes ${failed_heights[*]} px, saved box $saved_height px)"
