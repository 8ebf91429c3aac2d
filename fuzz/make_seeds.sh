#!/usr/bin/env bash
# fuzz/make_seeds.sh [DIR] [BUILD_DIR]: writes the seed corpus of load_fuzzer into
# DIR (default fuzz/corpus), configuring the fuzz build in BUILD_DIR (default
# build-fuzz) if it is not configured yet and building the seed maker there.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-fuzz/corpus}
build=${2:-build-fuzz}

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUENMARK_SANITIZE=ON -DQUENMARK_BUILD_UI=OFF -DQUENMARK_BUILD_TESTS=OFF \
    -DQUENMARK_BUILD_FUZZ=ON >/dev/null
fi
cmake --build "$build" --target make_fuzz_seeds -j"${QUENMARK_JOBS:-2}" >/dev/null
"$build/fuzz/make_fuzz_seeds" "$out"
