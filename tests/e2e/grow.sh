#!/usr/bin/env bash
# A table grown from the window: Enlarge Table adds three empty rows, a species
# and one of its moves go into them, Save moves the table into free space, and
# quenmark-cli reads the grown table back there.
source "$(dirname "$0")/lib.sh"
rom=$WORK/big.gba
"$MAKE_TEST_ROM" BPRE "$rom" 0x400000 words=game pad=300000

start_program
focus_main && keys alt+f o && choose_file Open "$rom"
focus_main && keys alt+f t && answer "Enlarge Table" ctrl+a type:3 Return
barrier
# Nothing has had the focus yet: the drop-down is the fourth Tab stop, the list
# the sixth. End selects the last row of the list.
keys Tab Tab Tab Tab
xdotool type --delay 10 SPECIES200
keys Tab Tab End Up Up shift+Tab shift+Tab shift+Tab space
barrier
keys Tab
xdotool type --delay 10 MOVE9
keys Tab Tab End Up shift+Tab shift+Tab shift+Tab space
barrier
save
"$CLI" identify "$rom" >"$WORK/identify"
grep -qF "table of 1141 entries at 0x3FF714 (moved or resized)" "$WORK/identify" ||
  fail "identify: $(cat "$WORK/identify")"
"$CLI" export "$rom" --format csv | sed -n '1138,1142p' >"$WORK/rows"
[ "$(cat "$WORK/rows")" = "$(printf '%s\n' "1136,0x00B4,move,180,MOVE180" \
  "1137,0x00D3,move,211,MOVE211" "1138,0x4EE8,species,200,SPECIES200" "1139,0x0009,move,9,MOVE9" \
  "1140,0xFFFF,end,,")" ] || fail "rows 1136-1140: $(cat "$WORK/rows")"
echo PASS
