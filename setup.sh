#!/usr/bin/env bash
# Quenmark's set-up commands, for a fresh Debian 12 machine (root or sudo):
#   ./setup.sh run       installs what is missing, builds, and starts the program
#   ./setup.sh test      installs what is missing, builds, and runs the whole test suite
#   ./setup.sh package   installs what is missing and builds the Debian package (with the
#                        web page) into dist/
#   ./setup.sh web       installs what is missing and builds the web page dist/quenmark.html
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  run | test | package | web) ;;
  *) echo "usage: $0 run|test|package|web" >&2; exit 2 ;;
esac

jobs=${QUENMARK_JOBS:-2}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# Compiler, CMake, Qt 6 Widgets with its xcb and offscreen platforms and its own
# French texts, the command line's parser and JSON, the man page and icon makers;
# the package adds dpkg's tools and its validators, the tests GoogleTest, Google
# Benchmark, clang's fuzzing runtime and an X server.
packages=(g++ cmake make qt6-base-dev qt6-qpa-plugins fonts-dejavu-core libcli11-dev
  nlohmann-json3-dev help2man librsvg2-bin qt6-translations-l10n)
[ "$mode" = run ] || [ "$mode" = web ] || packages+=(dpkg-dev file lintian desktop-file-utils appstream)
if [ "$mode" = test ]; then
  packages+=(libgtest-dev libbenchmark-dev libx11-dev clang libclang-rt-14-dev xvfb xauth xdotool)
fi
# The web page: emscripten and node build it; the test drives it in Chromium
# and Firefox. A node that came with its own npm is kept.
if [ "$mode" = web ]; then
  packages=(emscripten nlohmann-json3-dev)
fi
if [ "$mode" = test ]; then
  packages+=(emscripten chromium firefox-esr)
fi
# The package carries the web page too.
[ "$mode" = package ] && packages+=(emscripten)
if [ "$mode" = web ] || [ "$mode" = test ] || [ "$mode" = package ]; then
  command -v node >/dev/null || packages+=(nodejs)
  [ "$mode" != test ] || command -v npm >/dev/null || packages+=(npm)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# build_package DIR: the .deb of a configured and built tree, into DIR/dist.
build_package() {
  rm -rf "$1/dist"
  (cd "$1" && cpack -G DEB >/dev/null)
  ls "$1"/dist/quenmark_*.deb
}

if [ "$mode" = web ]; then
  exec bash web/make_page.sh build-web dist/quenmark.html
fi

[ "$mode" = package ] && bash web/make_page.sh build-web dist/quenmark.html

if [ "$mode" != test ]; then
  cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DQUENMARK_BUILD_TESTS=OFF >/dev/null
  cmake --build build-release -j"$jobs"
fi

if [ "$mode" = package ]; then
  deb=$(build_package build-release)
  mkdir -p dist
  cp "$deb" dist/
  echo "== dist/$(basename "$deb"); install it with: sudo apt-get install ./dist/$(basename "$deb")"
  exit 0
fi

if [ "$mode" = run ]; then
  # A ROM to try at once, made of invented names, with one illegal entry so that
  # the repair question shows; written once, so that your edits to it stay.
  demo=build-release/demo/demo.gba
  if [ ! -e "$demo" ]; then
    mkdir -p build-release/demo
    build-release/tools/make_test_rom BPRE "$demo" demo 5=0000
  fi
  echo "== A demonstration ROM is at $(realpath "$demo"): try File, Open on this file."
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start it from a desktop session, or try: xvfb-run build-release/ui/quenmark" >&2
    exit 1
  fi
  exec build-release/ui/quenmark
fi

echo "== build and test"
# The browser test's driver, at the version its lock file pins; it drives the
# system's browsers and downloads none.
(cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund >/dev/null)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUENMARK_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

echo "== the package: validators, and an install into a scratch root"
bash tests/packaging/package_test.sh "$(build_package build)" build/tools/make_test_rom

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build of the tests"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUENMARK_SANITIZE=ON -DQUENMARK_E2E=OFF -DQUENMARK_WEB_TEST=OFF >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs")

echo "== fuzzing smoke run"
bash fuzz/smoke.sh "${QUENMARK_FUZZ_SECONDS:-60}"
