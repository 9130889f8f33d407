#!/usr/bin/env bash
# Sets up Parlora on Debian 12: installs the Debian packages that are missing,
# configures and builds, then either starts the program or runs every test.
#   ./setup.sh run    build and start Parlora
#   ./setup.sh test   build and run every test through CTest, then build
#                     again with AddressSanitizer and UndefinedBehaviorSanitizer
#                     (in build-sanitize) and run every test there too
set -euo pipefail

cd "$(dirname "$0")"
mode=${1:-run}
build_dir=${PARLORA_BUILD_DIR:-build}
sanitize_dir=${PARLORA_SANITIZE_BUILD_DIR:-build-sanitize}

# fonts-liberation2: the narrow sans-serif face the windows were laid out for.
# hunspell-it, -pt-br, -pt-pt: the system dictionaries behind base-form lookup.
# qt6-declarative-dev: Debian's Qt TextToSpeech CMake files ask for its QmlIntegration.
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-speech-dev qt6-declarative-dev libhunspell-dev hunspell-it hunspell-pt-br hunspell-pt-pt
          libgtest-dev libbenchmark-dev zlib1g-dev xvfb xauth fonts-liberation2)
# The tests of the installation: the desktop entry and metainfo validators,
# and lintian for the Debian package.
if [ "$mode" = test ]; then
  packages+=(desktop-file-utils appstream lintian)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing Debian packages: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

case "$mode" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: starting Parlora inside a virtual X server (xvfb-run)."
      exec xvfb-run -a "$build_dir/app/parlora"
    fi
    exec "$build_dir/app/parlora"
    ;;
  test)
    (cd "$build_dir" && ctest --output-on-failure --timeout 300 -j "$(nproc)")

    # The same tests on a build that stops at the first memory error, leak
    # or undefined behaviour. -O1 keeps it quick to build and run; the
    # benchmarks are left out (they test nothing).
    cmake -S . -B "$sanitize_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 \
      -DPARLORA_SANITIZE=address,undefined -DPARLORA_BENCHMARKS=OFF >/dev/null
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    cmake --build "$sanitize_dir" --parallel "$(nproc)"
    cd "$sanitize_dir"
    exec ctest --output-on-failure --timeout 600 -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
