#!/usr/bin/env bash
# Builds the page into the build tree and drives it in headless Chromium.
#   web_test.sh BUILD_DIR MAKE_TEST_ROM QUENMARK_CLI
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
bash "$here/../../web/build.sh" "$build/web" "$build/web/quenmark.html" >/dev/null
cd "$here"
node web_test.js "$build/web/quenmark.html" "$2" "$3" "$build/web/test"
