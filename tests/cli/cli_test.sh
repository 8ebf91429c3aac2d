#!/usr/bin/env bash
# quenmark-cli as scripts use it: each command's arguments, output and exit
# status on synthetic ROMs, and the files it writes or leaves byte for byte.
set -Eeuo pipefail
CLI=$(realpath "$1")
MAKE=$(realpath "$2")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-cli-test.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

fail() { echo "FAIL: $*" >&2; exit 1; }
# run STATUS ARG...: runs quenmark-cli into out and err and checks its exit status,
# and that every ROM it names is as it was, but after an import or grow in place.
run() {
  local want=$1 got=0 f prev=
  shift
  for f in "$@"; do
    [[ $f =~ \.(gba|bin)$ && -f $f && ! $prev =~ ^(-o|--output)$ ]] && cp "$f" "$f.was"
    prev=$f
  done
  "$CLI" "$@" >out 2>err || got=$?
  [ "$got" = "$want" ] || fail "quenmark-cli $* exited $got, not $want: $(cat err out)"
  local writes=0
  [[ $got == 0 && $1 =~ ^(import|grow)$ && ! " $* " =~ \ (--dry-run|-o|--output)\  ]] && writes=1
  for f in "$@"; do
    [ -f "$f.was" ] || continue
    [ "$writes" = 1 ] || cmp -s "$f" "$f.was" || fail "quenmark-cli $* changed $f"
    rm -f "$f.was"
  done
}
has() { grep -qF -- "$2" "$1" || fail "$1 lacks \"$2\": $(head -c 600 "$1")"; }
# expect STATUS TEXT ARG...: runs quenmark-cli, and TEXT is in what it printed.
expect() {
  run "$1" "${@:3}"
  cat out err >both
  has both "$2"
}

"$MAKE" BPRE en.gba
"$MAKE" BPRF fr.gba
"$MAKE" BPRE:1 rev.gba words=0825EF7C,0825EF7C,471
"$MAKE" BPRE foreign.gba words=0825EF0C,0825EF0C,500
"$MAKE" BPRE cut.gba $((0x25EF0C + 100)) routine=none
"$MAKE" BPEE hack.gba 0x800000 routine=100002 table=400000 words=08400000,08400000,471 names=500001 1=0163 2=4FFF
"$MAKE" BPEE bare.gba routine=none names=none
"$MAKE" BPEE perspecies.gba per-species
printf 'hello\n' >six.txt
head -c 4096 /dev/urandom >junk.bin
mkdir folder

echo "== identify"
expect 0 "rev.gba: BPRE Fire Red (English) 1.1, table of 1138 entries at 0x25EF7C, read through the game's routine at 0x045C3C, whole, room for 0 more, 165 species, 973 moves, 0 illegal, 0 free, names at the release's usual place" identify rev.gba
[ ! -s err ] || fail "identify warned of a whole ROM: $(cat err)"
# A build whose code moved, one with no routine, and a file with no table.
expect 0 "table of 1138 entries at 0x400000, read through the game's routine at 0x100002 (moved or resized), whole, room for 3426 more, 166 species, 972 moves, 2 illegal, 0 free, names found at 0x500001" identify hack.gba
[ ! -s err ] || fail "identify warned of a moved build: $(cat err)"
expect 0 "at 0x32ADD8, at the release's usual place (the game's routine was not found), whole, 165 species" identify bare.gba
has out "names not found (shown as numbers)"
has err "bare.gba: The species and move names were not found in this rom"
expect 1 "perspecies.gba: BPEE Emerald (English) 1.0, No egg-move table found: this ROM's code was changed" identify perspecies.gba six.txt
has out "six.txt: not a supported release (The file is too short to be a Game Boy Advance rom)"
for command in "export perspecies.gba" "check perspecies.gba" "import perspecies.gba six.txt" \
  "grow perspecies.gba --by 1" "diff en.gba perspecies.gba"; do
  # shellcheck disable=SC2086
  expect 2 "quenmark-cli: perspecies.gba: No egg-move table found" $command
done
expect 1 '"routine": null' identify --json bare.gba perspecies.gba
has out '"problem": "No egg-move table found'
has out '"names": null'
run 0 identify --json hack.gba rev.gba
tr -d ' \n' <out >flat
for field in '"file":"hack.gba","supported":true' '"routine":1048578,"names":5242881,"namesFound":"found","endMarks":0' \
  '"file":"rev.gba","supported":true' '"routine":285756,"names":2383696,"namesFound":"usual"'; do
  has flat "$field"
done
! grep -q '"supported":false' flat || fail "a supported ROM said it was not"
"$MAKE" BPR$'\x7f' odd.gba
expect 1 'odd.gba: not a supported release (game code "BPR\x7F")' identify odd.gba
run 1 identify --json odd.gba
has out '"supported": false'
has out "\"code\": \"BPR"$'\x7f'"\""
expect 1 "junk.bin: not a supported release" identify en.gba junk.bin foreign.gba cut.gba
has out "(read-only: the game reads another table)"
has out "cut.gba: BPRE Fire Red (English) 1.0, table of 1138 entries at 0x25EF0C, at the release's usual place (the game's routine was not found), cut short"
expect 2 "quenmark-cli: The file does not exist: missing.gba" identify missing.gba folder fr.gba
has err "quenmark-cli: folder is a folder, not a file"
expect 0 '"version": null' identify --json fr.gba
# Illegal entries are counted up to the end mark only.
"$MAKE" BPRE ill.gba 3=0163 1000=FFFF 1001=0163
expect 0 "973 moves, 1 illegal" identify ill.gba
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  # Root reads any file, so the unreadable one is tried as nobody.
  cp en.gba secret.gba && chmod 600 secret.gba && chmod 755 "$WORK"
  got=0
  setpriv --reuid=nobody --regid=nogroup --clear-groups "$CLI" identify secret.gba 2>err || got=$?
  [ "$got" = 2 ] || fail "an unreadable ROM exited $got"
  has err "secret.gba cannot be read (Permission denied)"
fi

echo "== export"
# The format by the output's name, or as asked.
for format in list csv json; do run 0 export en.gba -o "en.$format"; done
run 0 export en.gba --format csv -o en.txt
cmp -s en.txt en.csv || fail "--format did not choose the CSV"
[ "$(wc -l <en.list)" = 1138 ] || fail "the list has $(wc -l <en.list) lines"
[ "$(head -c 8 en.list | od -An -tx1 | tr -d ' \n')" = 506f6be96d6f6e0a ] || fail "the list is not Windows-1252"
expect 2 "is the ROM itself" export en.gba -o ./en.gba
run 2 export junk.bin
expect 2 "ends inside the egg-move table; --partial" export cut.gba -o cut.csv
[ -e cut.csv ] && fail "a refused export wrote"
run 0 export cut.gba --partial

echo "== check"
# make_test_rom entries|findings|the first one|exit status; the last, again as JSON
while IFS='|' read -r entries count finding status; do
  # shellcheck disable=SC2086
  "$MAKE" BPRE c.gba $entries
  run "$status" check c.gba
  [ "$(wc -l <out)" = "$count" ] || fail "$entries: $(wc -l <out) findings, not $count: $(head out)"
  [ -z "$finding" ] || has out "$finding"
done <<'CASES'
|0||0
1137=4EFF|1|c.gba:1137: warning: SPECIES223: heads the last row|1
999=0163 1000=FFFF 1001=0000|2|c.gba:1001: warning: (past the end mark): 0x0000 past the end mark|2
0=0005|7|c.gba:0: error: (no species): MOVE5 comes before any species: the game gives|2
CASES
expect 2 '"speciesName": "(no species)"' check c.gba --json
expect 1 "foreign.gba: warning: the game in this ROM reads an egg-move table of another size" check foreign.gba
expect 2 "cut.gba: error: the file ends inside the egg-move table" check cut.gba en.gba
expect 2 "junk.bin: not a supported release" check junk.bin
[ -s out ] && fail "check of a file that is no ROM listed findings: $(cat out)"

echo "== diff"
run 0 diff en.gba fr.gba
[ -s out ] && fail "an English and a French release of one table differ: $(cat out)"
"$MAKE" BPRF fr2.gba 1=0007 2=0001 8=4EE8
expect 1 "species 1 Pokémon: moves added: MOVE7; moves removed: MOVE32" diff en.gba fr2.gba
has out "species 200 SPECIES200: added, with 5 moves: MOVE39, MOVE70"
# Names from each ROM when they differ; the order only when asked.
"$MAKE" BPRE demo.gba demo 2=0007
expect 1 "species 1 Pokémon / BRAMBIT: moves added: SHADE JAB; moves removed: MOVE32" diff en.gba demo.gba
"$MAKE" BPRE swap.gba 1=0020 2=0001
run 0 diff en.gba swap.gba
expect 1 'order: A\nB, MOVE32, MOVE63, MOVE94, MOVE125, MOVE156 -> MOVE32, A\nB, MOVE63' diff en.gba swap.gba --order
# Illegal entries are left out, not told as moves; species 0 has a name in each language.
"$MAKE" BPRE ill2.gba 2=9999
expect 1 "species 1 Pokémon: moves removed: MOVE32" diff en.gba ill2.gba
"$MAKE" BPRE en0.gba 0=4E20
"$MAKE" BPRE demo0.gba demo 0=4E20 2=0007
expect 1 "species 0 ??????????: moves added: SHADE JAB" diff en0.gba demo0.gba
expect 1 '"species": 0,' diff en0.gba demo0.gba --json
expect 2 "junk.bin: not a supported release" diff junk.bin en.gba
expect 1 '"change": "added"' diff en.gba fr2.gba --json
[ "$(head -c 1 out)" = "[" ] || fail "diff --json printed more than JSON: $(head -2 out)"
# Only the entries before the end mark count.
"$MAKE" BPRE ended.gba 1100=FFFF
expect 1 "removed, with" diff en.gba ended.gba

echo "== import"
cp en.gba work.gba
sed '4s/^2,0x0020,move,32,MOVE32$/2,0x4E22,species,2,SPECIES2/' en.csv >edit.csv
expect 0 "2: Pokémon: MOVE32 -> SPECIES2 (0x0020 -> 0x4E22)" import work.gba - --dry-run <edit.csv
expect 0 '"new": "SPECIES2"' import work.gba - --dry-run --json <edit.csv
cp edit.csv edit.txt
expect 0 "1 row would change; nothing was written (dry run)" import work.gba edit.txt --format csv --dry-run
expect 0 "1 row changes" import work.gba edit.csv
! grep -q "now holds" out || fail "an import in place told of a grown table"
expect 0 '"written": false' import work.gba edit.csv --json
cp en.gba work2.gba
expect 0 '"written": true' import work2.gba edit.csv --json
run 0 export work.gba -o work.list
sed -n 3p work.list | grep -qx SPECIES2 || fail "the import did not reach the table"
[ "$(cmp -l work.gba en.gba | wc -l)" = 2 ] || fail "the import changed more than one entry"

# Each format's export reads back, writing nothing (other releases and names
# are the formats' tests): shared names, illegal entries and end marks.
"$MAKE" BPRE hack.gba hack 1=0003 7=4E59 8=4EA1 9=0163 1136=FFFF 1137=FFFF
for format in list csv json CSV h; do
  cp hack.gba work.gba && touch -d @0 work.gba
  run 0 export work.gba -o "x.$format"
  expect 0 "0 rows change" import work.gba "x.$format"
  cmp -s work.gba hack.gba && [ "$(stat -c %Y work.gba)" = 0 ] || fail "the $format round trip wrote"
done

# A refused file names its line (the reasons are the formats' tests).
sed '5s/.*/    NO SUCH MOVE/' en.list >name.list
expect 2 'name.list:5: this ROM has no move "NO SUCH MOVE"' import work.gba name.list
has err "; nothing was written"
truncate -s 17M huge.txt
while IFS='|' read -r file reason; do
  expect 2 "$file: $reason" import work.gba "$file"
done <<'CASES'
huge.txt|is too large to be a table
folder|is a folder, not a file
/dev/null|is not a regular file
missing.csv|no such file
CASES
for rom in foreign.gba cut.gba junk.bin; do run 2 import "$rom" en.csv; done

echo "== grow"
"$MAKE" BPRE big.gba 0x1000000 words=game pad=EB0B20
expect 0 "would grow from 1138 to 1238 entries at 0xFFF650; nothing was written" grow big.gba --by 100 --dry-run
expect 0 "the table now holds 1238 entries at 0xFFF650" grow big.gba --by 100
expect 0 "table of 1238 entries at 0xFFF650, read through the game's routine at 0x045C28 (moved or resized), whole, room for 15146 more" identify big.gba
while IFS='|' read -r rom args reason; do
  # shellcheck disable=SC2086
  expect 2 "$reason" grow "$rom" $args
done <<'CASES'
fr.gba|--by 1|where its game points at the list is not known for this version, or not in this file
cut.gba|--by 1|This rom is cut short: it ends at 0x25EF70
big.gba|--to 1238|the table holds 1238 entries; it can grow to more, up to 16384
big.gba|--by 1 --at 0x1002|The place asked for is not 4-aligned free space
big.gba|--by 1 -o ./big.gba|big.gba: is the ROM itself
big.gba|--by 1 --at nowhere|--at takes an offset such as 0xF00000
big.gba|--to 16385|it can grow to more, up to 16384
big.gba||give --to N or --by K
CASES
run 0 export big.gba -o big.list
printf 'SPECIES7\n    MOVE9\n' >>big.list
expect 2 "big.list:1239: the file describes 1240 entries; the table holds 1238 (--grow" import big.gba big.list
expect 0 "the table grows to 1240 entries" import big.gba big.list --grow
run 0 export big.gba --format json
has out '"entries": 1240'
# Blank lines at the end are not rows, and end marks are room: neither grows the table.
"$MAKE" BPRE roomy.gba 0x1000000 words=game pad=EB0B20
run 0 export roomy.gba -o roomy.list
printf '\n\n' >>roomy.list
expect 0 "0 rows change" import roomy.gba roomy.list --grow
! grep -q "grow" out || fail "a list that fits grew the table: $(tail -1 out)"
run 0 export big.gba --format csv
has out "1239,0x0009,move,9,MOVE9"

echo "== copies and unwritable ROMs"
# -o gives byte for byte what an in-place run on a copy gives, and leaves ROM as it was.
cp en.gba in-place.gba
run 0 import in-place.gba edit.csv
run 0 import en.gba edit.csv -o copy.gba
cmp -s copy.gba in-place.gba || fail "import -o differs from an import in place"
"$MAKE" BPRE big.gba 0x1000000 words=game pad=EB0B20
cp big.gba in-place.gba
run 0 grow in-place.gba --by 100
run 0 grow big.gba --by 100 --output copy.gba
cmp -s copy.gba in-place.gba || fail "grow -o differs from a grow in place"
expect 2 "is the ROM itself" import en.gba edit.csv -o ./en.gba
echo "== decompilation source"
run 0 export en.gba -o en.h
run 0 export en.gba --format c
cmp -s out en.h || fail "--format c differs from the .h export"
# A refusal names the source's line.
sed '7s/MOVE_[A-Z_]*/MOVE_DRAGN_CLAW/' en.h >typo.h
expect 2 "typo.h:7: unknown constant MOVE_DRAGN_CLAW; did you mean MOVE_DRAGON_CLAW?" import work.gba typo.h
# check of a source alone: the rows, severities and status of the ROM's check,
# with the constants for names.
run 0 export c.gba -o c.h
run 2 check c.gba
cut -d: -f2,3 out >rom.findings
run 2 check c.h
cut -d: -f2,3 out | cmp -s - rom.findings || fail "check of c.h differs: $(head -3 out)"
has out "c.h:0: error: (no species): MOVE_MEGA_PUNCH comes before any species"
expect 2 "quenmark-cli: typo.h:7: unknown constant MOVE_DRAGN_CLAW" check typo.h en.h
run 0 diff en.h en.gba
expect 1 "species 1 SPECIES_BULBASAUR / Pokémon: moves added: MOVE7" diff en.h fr2.gba

if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  # Root writes through a read-only file, so the write is tried as nobody.
  cp en.gba locked.gba && chmod 444 locked.gba && cp en.gba before
  got=0
  setpriv --reuid=nobody --regid=nogroup --clear-groups "$CLI" import locked.gba edit.csv >out 2>err ||
    got=$?
  [ "$got" = 2 ] || fail "an import into a read-only ROM exited $got"
  has out "2: Pokémon: MOVE32 -> SPECIES2 (0x0020 -> 0x4E22)"
  has out "1 row would change; nothing was written"
  has err "locked.gba cannot be written: Permission denied. Nothing was written."
  cmp -s locked.gba before || fail "an unwritable ROM changed"
fi

echo PASS
