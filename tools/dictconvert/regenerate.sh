#!/bin/sh
# Regenerates dist/dic/portital.diz from the core lexicon
# (tools/dictconvert/lexicon), the installed FreeDict package and the
# reviewed lists beside this script. Run from anywhere:
#   tools/dictconvert/regenerate.sh [BUILD_DIR]
# BUILD_DIR defaults to ./build under the source tree.
#
# Prerequisites (Debian packages):
#   dict-freedict-ita-por                   the source dictionary
#   hunspell-it hunspell-pt-br hunspell-pt-pt hunspell-en-us
#                                           tell which language a word belongs to
# The same inputs give the same file, byte for byte. The counts printed at
# the end say what each cleaning rule dropped or changed; set
# PARLORA_DICTCONVERT_LOG to a file name to get every such record listed.
set -eu
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
tool_dir="$source_dir/tools/dictconvert"
build_dir=${1:-"$source_dir/build"}
dictd=/usr/share/dictd
[ -f "$build_dir/CMakeCache.txt" ] || cmake -S "$source_dir" -B "$build_dir"
cmake --build "$build_dir" --target parlora-dictconvert
set -- --lexicon "$tool_dir/lexicon" --rejected "$tool_dir/rejected.tsv" --spelling "$tool_dir/spelling.tsv" \
    --portuguese-words "$tool_dir/portuguese-words.txt"
if [ -n "${PARLORA_DICTCONVERT_LOG:-}" ]; then
    set -- "$@" --log "$PARLORA_DICTCONVERT_LOG"
fi
"$build_dir/tools/parlora-dictconvert" "$@" \
    "$dictd/freedict-ita-por.index" "$dictd/freedict-ita-por.dict.dz" \
    "$source_dir/dist/dic/portital.diz"
