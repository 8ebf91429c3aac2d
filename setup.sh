#!/usr/bin/env bash
# Quenmark's two set-up commands, for a fresh Debian 12 machine (root or sudo):
#   ./setup.sh run    installs what is missing, builds, and starts the program
#   ./setup.sh test   installs what is missing, builds, and runs the whole test suite
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  run | test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

jobs=${QUENMARK_JOBS:-2}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# Compiler, CMake, Qt 6 Widgets with its xcb and offscreen platforms; the tests
# add GoogleTest, Google Benchmark, clang's fuzzing runtime and an X server.
packages=(g++ cmake make qt6-base-dev qt6-qpa-plugins fonts-dejavu-core)
if [ "$mode" = test ]; then
  packages+=(libgtest-dev libbenchmark-dev libx11-dev clang libclang-rt-14-dev xvfb xauth xdotool)
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

if [ "$mode" = run ]; then
  cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DQUENMARK_BUILD_TESTS=OFF >/dev/null
  cmake --build build-release -j"$jobs"
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start it from a desktop session, or try: xvfb-run build-release/ui/quenmark" >&2
    exit 1
  fi
  exec build-release/ui/quenmark
fi

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENMARK_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build of the tests"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUENMARK_SANITIZE=ON -DQUENMARK_E2E=OFF >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs")

echo "== fuzzing smoke run"
bash fuzz/smoke.sh "${QUENMARK_FUZZ_SECONDS:-60}"
