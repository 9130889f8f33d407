#!/bin/sh
# Regenerates dist/dic/portital.diz from the installed FreeDict package
# (apt-get install dict-freedict-ita-por). Run from anywhere:
#   tools/dictconvert/regenerate.sh [BUILD_DIR]
# BUILD_DIR defaults to ./build under the source tree.
set -eu
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-"$source_dir/build"}
dictd=/usr/share/dictd
[ -f "$build_dir/CMakeCache.txt" ] || cmake -S "$source_dir" -B "$build_dir"
cmake --build "$build_dir" --target parlora-dictconvert
"$build_dir/tools/parlora-dictconvert" \
    "$dictd/freedict-ita-por.index" "$dictd/freedict-ita-por.dict.dz" \
    "$source_dir/dist/dic/portital.diz"
