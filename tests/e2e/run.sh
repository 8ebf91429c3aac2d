#!/usr/bin/env bash
# run.sh SCRIPT QUENMARK QUENMARK_CLI MAKE_TEST_ROM: runs an end-to-end script on
# a private Xvfb in a scratch folder ($WORK), the whole of it ended after a minute;
# 77 (skipped) when the X tools are missing.
for tool in xvfb-run Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is needed for the end-to-end tests" >&2; exit 77; }
done
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-e2e.XXXXXX")
export WORK
trap 'rm -rf "$WORK"' EXIT
# xvfb-run -a picks its display number with a race, so every run of these scripts
# on the machine (another checkout's tests too) takes its turn.
lock=${TMPDIR:-/tmp}/quenmark-e2e-xvfb.lock
TMPDIR=$WORK flock "$lock" timeout -k 5 "${E2E_LIMIT:-60}" xvfb-run -a -s "-screen 0 800x600x24" bash "$@"
