#!/usr/bin/env bash
# The program run as a user who may read the ROM but not write it, nor the
# folder an export goes to (privileges dropped with setpriv, since root writes
# anywhere): the title says "[read-only]", Save says why it offers Save As, and an export
# that cannot be written says so in a box and leaves the old file as it was.
source "$(dirname "$0")/lib.sh"
command -v setpriv >/dev/null && [ "$(id -u)" = 0 ] || { echo "SKIP: needs root and setpriv" >&2; exit 77; }
rom=$WORK/game.gba locked=$WORK/locked
"$MAKE_TEST_ROM" BPRE "$rom"
mkdir "$locked" && echo kept >"$locked/list.txt"
chmod 755 "$WORK" "$locked" && chmod 644 "$rom"
chmod a+rx "$(dirname "$XAUTHORITY")" && chmod a+r "$XAUTHORITY"
mkdir -m 0700 "$WORK/nobody" && chown 65534:65534 "$WORK/nobody"
export XDG_RUNTIME_DIR=$WORK/nobody XDG_CONFIG_HOME=$WORK/nobody HOME=$WORK/nobody
program=$QUENMARK
QUENMARK=$WORK/as-nobody.sh
printf '#!/bin/sh\nexec setpriv --reuid=65534 --regid=65534 --clear-groups "%s" "$@"\n' "$program" >"$QUENMARK"
chmod 755 "$QUENMARK"

start_program "game.gba \\[read-only\\] — Quenmark" "$rom"  # a pattern: [ escaped
# Back from the last Tab stop to the first, Export, wherever the focus starts.
focus_main && keys shift+Tab Tab space
box=$(window "Save As")
xdotool windowfocus --sync "$box" && keys ctrl+a BackSpace
xdotool type --delay 10 "$locked/list.txt" && keys Return
sleep 0.5 && keys alt+y  # replace the file that is there
answer Attention Return  # the export failed
focus_main && keys ctrl+s
answer Attention Return  # why Save offers Save As
answer "Save As" Escape  # Save offers Save As; cancelled
[ "$(cat "$locked/list.txt")" = kept ] || fail "the old file was changed"
[ "$(ls "$locked")" = list.txt ] || fail "left behind: $(ls "$locked")"
echo PASS
