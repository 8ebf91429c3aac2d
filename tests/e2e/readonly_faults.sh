#!/usr/bin/env bash
# The write paths against files the program may read but not write: a repair
# answered Yes on a read-only ROM, an export into a read-only folder, File, Save
# into the read-only ROM. Root writes through any mode bits, so as root the
# program runs as nobody. Nothing may change on disk, nothing may crash; the
# repaired value stays in memory (the export shows it, and once the ROM is
# writable again a save carries it out).
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

user=()
if [ "$(id -u)" -eq 0 ]; then
  user=(nobody)
  chmod 0755 "$WORK"  # nobody must reach its files
  setpriv --reuid=nobody --regid="$(id -gn nobody)" --clear-groups test -x "$QUENMARK" ||
    { echo "SKIP: nobody cannot run $QUENMARK" >&2; exit 77; }
fi

ro=$WORK/readonly
out=$WORK/out
mkdir "$ro" "$out"
rom=$ro/game.gba
# Entry 0 holds species 412, one past the last.
"$MAKE_TEST_ROM" BPRE "$rom" 0=4FBC
cp "$rom" "$WORK/before.gba"
chmod 0444 "$rom"
chmod 0555 "$ro"
chmod 0777 "$out"

start_program "${user[@]}"
note "repair on a read-only ROM"
open_first "$rom"
answer Attention Return
barrier
assert_alive "after the repair"
assert_same_file "$rom" "$WORK/before.gba" "a repair into a read-only ROM"

note "export: the repaired entry is in memory"
keys Tab space  # Export List as .txt
choose_file "Save As" "$out/list.txt"
barrier
[ -f "$out/list.txt" ] || fail "no export file"
[ "$(wc -l <"$out/list.txt")" -eq $ENTRY_COUNT ] || fail "the export has $(wc -l <"$out/list.txt") lines"
[ "$(head -n1 "$out/list.txt")" = SPECIES0 ] ||
  fail "line 1 is \"$(head -n1 "$out/list.txt")\", not the species filler"

note "export into a read-only folder"
keys space
choose_file "Save As" "$ro/list.txt"
barrier  # the export reports nothing: this box must be the next one
assert_alive "after an export into a read-only folder"
[ ! -e "$ro/list.txt" ] || fail "the export created a file in a read-only folder"

note "save into the read-only ROM"
save
failed_height=$BOX_HEIGHT
assert_alive "after a save into a read-only ROM"
assert_same_file "$rom" "$WORK/before.gba" "a save into a read-only ROM"

note "the ROM writable again: the save carries out the repair"
chmod 0666 "$rom"
save
((failed_height > BOX_HEIGHT)) ||
  fail "the failed save's box ($failed_height px) is no taller than the saved box ($BOX_HEIGHT px)"
"$MAKE_TEST_ROM" BPRE "$WORK/expected.gba" 0=4E20
assert_same_file "$rom" "$WORK/expected.gba" "the save after the ROM became writable"

echo "PASS${user:+ (as ${user[0]})}"
