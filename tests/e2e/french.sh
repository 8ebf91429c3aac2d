#!/usr/bin/env bash
# The interface in French, switched from the keyboard before any ROM, and a ROM
# whose game reads an egg-move table of another size: the warning comes first,
# titled "Alerte" with one button; the repair question still comes, but nothing
# reaches the file, and Save says so. The replace question is "Alerte" too, and
# No to it keeps the ROM without showing the dialog.
source "$(dirname "$0")/lib.sh"
rom=$WORK/hack.gba
# Fire Red 1.1 whose game searches 1200 entries instead of 1138.
"$MAKE_TEST_ROM" BPRE:1 "$rom" words=0825EF7C,0825EF7C,4B0 3=0000
cp "$rom" "$WORK/before.gba"

start_program
use_french
barrier
note "the warning, then the repair question, in French"
open_rom "$rom"
answer Alerte Return
answer Attention Return
barrier
same_file "$rom" "$WORK/before.gba" "a repair in a ROM that is only shown"

note "save writes nothing and says so"
save
same_file "$rom" "$WORK/before.gba" "a save of a ROM that is only shown"

note "the replace question, answered No"
focus_main
keys alt+f o
answer Alerte Return  # No is the default button
barrier               # fails if the open dialog came up after all
echo PASS
