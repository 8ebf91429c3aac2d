#!/usr/bin/env bash
# A ROM and a folder the program may read but not write: a repair answered Yes,
# an export into the read-only folder and File, Save. Root writes through any
# mode bits, so as root the program runs as nobody. Nothing changes on disk and
# nothing crashes; the repair stays in memory (the export shows it), and once the
# ROM is writable again a save carries it out.
source "$(dirname "$0")/lib.sh"
user=()
if [ "$(id -u)" -eq 0 ]; then
  user=(nobody)
  chmod 0755 "$WORK"
fi
mkdir "$WORK/ro" "$WORK/out"
rom=$WORK/ro/game.gba
"$MAKE_TEST_ROM" BPRE "$rom" 0=4FBC
cp "$rom" "$WORK/before.gba"
chmod 0444 "$rom"
chmod 0555 "$WORK/ro"
chmod 0777 "$WORK/out"

start_program "${user[@]}"
open_rom "$rom"
answer Attention Return
barrier
same_file "$rom" "$WORK/before.gba" "a repair into a read-only ROM"

note "export: the repaired entry is in memory; then into the read-only folder"
keys Tab space
choose_file "Save As" "$WORK/out/list.txt"
[ "$(head -n1 "$WORK/out/list.txt")" = SPECIES0 ] || fail "line 1 is not the species filler"
keys space
choose_file "Save As" "$WORK/ro/list.txt"
barrier  # the export reports nothing: this box must be the next one
[ ! -e "$WORK/ro/list.txt" ] || fail "the export wrote into a read-only folder"

note "save into the read-only ROM, then into the ROM made writable"
save
failed=$BOX_HEIGHT
same_file "$rom" "$WORK/before.gba" "a save into a read-only ROM"
chmod 0666 "$rom"
save
((failed > BOX_HEIGHT)) || fail "the failed save's box is no taller than the saved one's"
"$MAKE_TEST_ROM" BPRE "$WORK/expected.gba" 0=4E20
same_file "$rom" "$WORK/expected.gba" "the save once the ROM is writable"
echo "PASS${user:+ (as nobody)}"
