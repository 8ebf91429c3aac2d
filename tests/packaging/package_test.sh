#!/usr/bin/env bash
# package_test.sh DEB MAKE_TEST_ROM: the package as a user gets it. The desktop
# entry, the AppStream metadata and the package itself pass their validators (each
# skipped, with a word, when its tool is missing); unpacked into a scratch root,
# quenmark-cli answers and identifies a synthetic ROM, and the window comes up
# under Xvfb.
set -Eeuo pipefail
DEB=$(realpath "$1")
MAKE_TEST_ROM=$(realpath "$2")
ID=org.example.quenmark
ROOT=$(mktemp -d "${TMPDIR:-/tmp}/quenmark-package.XXXXXX")
trap 'rm -rf "$ROOT"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
have() { command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed, so $2 is not checked"; false; }; }

dpkg-deb -x "$DEB" "$ROOT"
! have desktop-file-validate "the desktop entry" || desktop-file-validate "$ROOT/usr/share/applications/$ID.desktop"
if have appstreamcli "the AppStream metadata"; then
  report=$(appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$ID.metainfo.xml") || fail "$report"
  ! grep -E '^[EW]:' <<<"$report" || fail "AppStream warnings"
fi
if have lintian "the package"; then
  # The warnings that are kept, and why, are in the README.
  report=$(lintian --fail-on error,warning "$DEB" 2>&1) || fail "lintian: $report"
  grep -v 'root privileges' <<<"$report" || true
fi

"$ROOT/usr/bin/quenmark-cli" --version | grep -qx "quenmark-cli [0-9.]*" || fail "no version"
# The window answers --help and --version with no display at all.
env -u DISPLAY -u WAYLAND_DISPLAY "$ROOT/usr/bin/quenmark" --help | grep -q "^Usage: quenmark \[ROM\]" ||
  fail "the window's --help"
env -u DISPLAY -u WAYLAND_DISPLAY "$ROOT/usr/bin/quenmark" --version | grep -qx "quenmark [0-9.]*" ||
  fail "the window's --version"
"$MAKE_TEST_ROM" BPRE:1 "$ROOT/rom.gba"
"$ROOT/usr/bin/quenmark-cli" identify "$ROOT/rom.gba" | grep -q "BPRE Fire Red (English) 1.1, table of 1138 entries at 0x25EF7C" ||
  fail "the installed quenmark-cli does not identify a ROM"
if have xvfb-run "the installed window" && have xdotool "the installed window"; then
  # shellcheck disable=SC2016
  mkdir -m 0700 "$ROOT/runtime"
  QUENMARK="$ROOT/usr/bin/quenmark" XDG_RUNTIME_DIR="$ROOT/runtime" xvfb-run -a bash -c '
    env -u QT_QPA_PLATFORM "$QUENMARK" & pid=$!
    timeout 10 xdotool search --sync --onlyvisible --pid $pid --name "^Quenmark$" >/dev/null; found=$?
    kill $pid; exit $found' || fail "the installed window did not come up"
fi
echo PASS
