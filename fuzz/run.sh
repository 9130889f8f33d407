#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer and runs it for a while.
#   fuzz/run.sh TARGET SECONDS [libFuzzer options...]
# TARGET is one of: personal dictionary languagefile settings version
# mappedindex query. The run starts from the committed corpus
# (fuzz/corpus/TARGET, never written to) and keeps what it learns in
# build-fuzz/corpus/TARGET. A finding (crash, failed property, hang past the
# time bound, memory past the limit) stops the run and is left in
# build-fuzz/findings/TARGET; add it to fuzz/corpus/TARGET once fixed, so that
# the replay test guards it. At the end the run prints how many inputs it
# executed and what it found, and exits non-zero when it found anything.
set -euo pipefail

cd "$(dirname "$0")/.."
targets="personal dictionary languagefile settings version mappedindex query"
if [ $# -lt 2 ] || ! [[ " $targets " == *" $1 "* ]] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 TARGET SECONDS [libFuzzer options...]" >&2
  echo "targets: $targets" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
build_dir=${PARLORA_FUZZ_BUILD_DIR:-build-fuzz}
# A call slower than this is a finding: a cost that grows with the square
# of the input takes minutes here. The largest inputs (tens of thousands of
# personal entries) take a few seconds under the sanitizers on a busy
# machine, so the bound leaves room for them.
per_input_seconds=${PARLORA_FUZZ_TIMEOUT:-30}
# Inputs the fuzzer makes up stay small; the committed corpus and the
# repeat sections of the inputs reach the long lists and entries.
max_len=${PARLORA_FUZZ_MAX_LEN:-8192}

missing=()
for package in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing Debian packages: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARLORA_FUZZ=ON \
    -DPARLORA_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build_dir" --parallel 2 --target "fuzz_$target"

work_corpus="$build_dir/corpus/$target"
findings="$build_dir/findings/$target"
log="$build_dir/fuzz-$target.log"
mkdir -p "$work_corpus" "$findings"

export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
marker="$build_dir/.fuzz-$target-started"
touch "$marker"
echo "fuzzing $target for $seconds s; libFuzzer's output goes to $log"
set +e
"$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout="$per_input_seconds" -max_len="$max_len" \
  -rss_limit_mb=4096 -dict=fuzz/fuzz.dict -print_final_stats=1 -artifact_prefix="$findings/" "$@" \
  "$work_corpus" "fuzz/corpus/$target" >"$log" 2>&1
status=$?
set -e
grep -E "ERROR|property failed|SUMMARY|Test unit written" "$log" | head -20 || true
grep -E "^#[0-9]+" "$log" | tail -1 || true

executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
found=$(find "$findings" -type f -newer "$marker" | sort)
echo
echo "fuzz target $target: ${executions:-unknown} executions in at most $seconds s (libFuzzer exit status $status)"
if [ -n "$found" ]; then
  echo "findings (replay one with $build_dir/fuzz/fuzz_$target FILE):"
  echo "$found" | sed 's/^/  /'
  exit 1
fi
echo "findings: none"
exit "$status"
