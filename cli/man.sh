#!/bin/sh
# man.sh PROGRAM OUTPUT: the man page of quenmark-cli, made by help2man from the
# program's own --help, with each command's --help as a section of its own, so
# the page never drifts from the program.
set -eu
program=$1
out=$2
include=$(mktemp)
trap 'rm -f "$include"' EXIT
{
  echo '[COMMANDS]'
  for command in identify export check diff import; do
    echo ".SS $command"
    echo '.nf'
    "$program" "$command" --help | sed -e 's/\\/\\e/g' -e "s/^[.']/\\\\\\&&/"
    echo '.fi'
  done
  cat "$(dirname "$0")/quenmark-cli.h2m"
} >"$include"
help2man --no-info --name "the egg-move table of Generation III ROMs from the command line" \
  --include "$include" --output "$out" "$program"
