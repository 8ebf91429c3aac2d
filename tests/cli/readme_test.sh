#!/usr/bin/env bash
# The README's command-line examples, run as written: each ```sh block after the
# marker comment runs in a folder of its own on the demonstration ROM, every
# command must succeed, and the lines "#   TEXT" after a command must be exactly
# what it prints (standard output and error).
#   readme_test.sh QUENMARK_CLI MAKE_TEST_ROM README
set -Eeuo pipefail
CLI=$(realpath "$1")
MAKE=$(realpath "$2")
README=$(realpath "$3")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-readme-test.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/bin"
ln -s "$CLI" "$WORK/bin/quenmark-cli"
export PATH="$WORK/bin:$PATH" GIT_AUTHOR_NAME=t GIT_AUTHOR_EMAIL=t@t GIT_COMMITTER_NAME=t \
  GIT_COMMITTER_EMAIL=t@t GIT_CONFIG_GLOBAL=/dev/null GIT_CONFIG_NOSYSTEM=1

fail() { echo "FAIL: $*" >&2; exit 1; }
blocks=0
block=""
# Runs the command held in $command and compares what it printed with $expected.
finish() {
  [ -n "$command" ] || return 0
  local got=0
  (cd "$block" && bash -c "set -o pipefail; $command") >"$block.out" 2>&1 || got=$?
  [ "$got" = 0 ] || fail "README line $at: \"$command\" exited $got: $(cat "$block.out")"
  if [ -n "$expected" ]; then
    printf '%s' "$expected" | diff -u - "$block.out" >"$block.diff" ||
      fail "README line $at: \"$command\" printed otherwise: $(cat "$block.diff")"
  fi
  command=""
  expected=""
}
marked=0 inside=0 n=0 command="" expected="" at=0
while IFS= read -r line; do
  n=$((n + 1))
  if [ "$inside" = 1 ]; then
    if [ "$line" = '```' ]; then
      finish
      inside=0
    elif [[ $line == "#   "* ]]; then
      [ -n "$command" ] || fail "README line $n: output before any command"
      expected+="${line#\#   }"$'\n'
    elif [[ $line != "#"* && -n $line ]]; then
      finish
      command=$line at=$n
    fi
  elif [ "$marked" = 1 ] && [ "$line" = '```sh' ]; then
    blocks=$((blocks + 1)) inside=1 marked=0
    block="$WORK/block$blocks"
    mkdir "$block"
    "$MAKE" BPRE "$block/game.gba" 0x1000000 words=game pad=EB0B20 demo
    git -C "$block" init -q
  else
    [[ $line == "<!-- run by tests/cli/readme_test.sh"* ]] && marked=1 || marked=0
  fi
done <"$README"
[ "$inside" = 0 ] || fail "a marked block never ends"
[ "$blocks" -ge 3 ] || fail "only $blocks marked blocks in the README"
echo "PASS: $blocks blocks"
