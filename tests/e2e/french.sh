#!/usr/bin/env bash
# The interface language switched from the keyboard: Options, Language, Français.
# Menus then answer to their French accelerators and boxes carry French titles
# ("Alerte" for the replace question, "Versions Compatibles"); back in English
# the same boxes carry their English titles again. Loading, repairing and saving
# work the same in either language.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

rom=$WORK/game.gba
"$MAKE_TEST_ROM" BPRE "$rom" 3=0000
cp "$rom" "$WORK/before.gba"

start_program
note "switch to French before any ROM"
use_french
barrier  # "Versions Compatibles", reached through "&Aide"

note "load and repair in French"
open_first "$rom"        # "&Fichier", "&Ouvrir"
answer Attention Return  # the repair question, Yes
barrier
[ "$(hex_at "$rom" $((BPRE_TABLE + 6)) 2)" = 0100 ] || fail "the repair did not reach the file"

note "the replace question is titled Alerte, and No keeps the ROM"
focus_main
keys alt+f o
answer Alerte Return     # No is the default button
barrier                  # fails if the open dialog came up after all
assert_no_window Open "after No to the replace question"

note "save in French"
save                     # "&Sauvegarder"
# Nothing was edited: the save writes back the repaired table as it is.
"$MAKE_TEST_ROM" BPRE "$WORK/expected.gba" 3=0001
assert_same_file "$rom" "$WORK/expected.gba" "after a save in French"

note "back to English"
use_english
barrier
focus_main
keys alt+f o
answer Warning Return
barrier
assert_no_window Open "after No to the replace question"
assert_alive "at the end"

echo PASS
