#!/usr/bin/env bash
# Builds dist/quenmark.html: the core and web/bindings.cpp compiled by Debian's
# emscripten into one script with the WebAssembly inside, joined with the page's
# markup, styles and script into one file that works from file://.
#   web/make_page.sh [BUILD_DIR [OUTPUT]]     (default: build-web dist/quenmark.html)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-web}
page=${2:-dist/quenmark.html}
mkdir -p "$out/include" "$(dirname "$page")"
# Debian's emscripten finds its acorn module only there.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
# nlohmann-json is header-only; the rest of /usr/include must not reach emscripten.
ln -sfn /usr/include/nlohmann "$out/include/nlohmann"

export QUENMARK_CXXFLAGS="-std=c++20 -O2 -Wall -Wextra -Wpedantic -fexceptions -I. -I$out/include"
# Each source to its object, two at a time, again only when it or a header changed.
newest_header=$(ls -t rom/*.h eggmoves/*.h formats/*.h web/*.h | head -1)
objects=()
stale=()
for source in rom/*.cpp eggmoves/*.cpp formats/*.cpp web/*.cpp; do
  object="$out/obj/${source%.cpp}.o"
  objects+=("$object")
  if [ ! -e "$object" ] || [ "$source" -nt "$object" ] || [ "$newest_header" -nt "$object" ]; then
    stale+=("$source" "$object")
  fi
done
if [ ${#stale[@]} -gt 0 ]; then
  printf '%s\n' "${stale[@]}" | xargs -P"${QUENMARK_JOBS:-2}" -n2 sh -c \
    'mkdir -p "$(dirname "$2")" && em++ $QUENMARK_CXXFLAGS -c "$1" -o "$2"' _
fi
# Room from the start for two 16 MiB images (the one open and the one opening)
# and a third read back at Save: growing the memory during an open is slow.
em++ -O2 -fexceptions "${objects[@]}" --bind -s SINGLE_FILE=1 -s MODULARIZE=1 \
  -s EXPORT_NAME=QuenmarkCore -s ENVIRONMENT=web -s ALLOW_MEMORY_GROWTH=1 \
  -s INITIAL_MEMORY=134217728 -s FILESYSTEM=0 -o "$out/core.js"
node web/assemble.js web/quenmark.html "$out/core.js" "$page"
echo "== $page ($(stat -c %s "$page") bytes)"
