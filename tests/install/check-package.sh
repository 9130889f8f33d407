#!/bin/sh
# Builds the Debian package from the built tree and checks it as the archive
# would: the name and version, the dependencies dpkg-shlibdeps found, the
# files it installs, and lintian with no errors.
#   check-package.sh BUILD_DIR SOURCE_DIR VERSION
# Environment: CPACK (the cpack to build with).
set -eu
build=$1 source=$2 version=$3
. "$(dirname "$0")/installedfiles.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/parlora-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

"${CPACK:-cpack}" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  fail "cpack -G DEB failed"
}
deb=$work/parlora_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "cpack made no $(basename "$deb"): $(ls "$work")"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6svg6 libhunspell-; do
  case ", $depends" in
    *", $library"*) ;;
    *) fail "Depends lacks $library: $depends" ;;
  esac
done
recommends=$(dpkg-deb -f "$deb" Recommends)
case "$recommends" in
  *hunspell-it*hunspell-pt-br*) ;;
  *) fail "Recommends lacks the Hunspell dictionaries: $recommends" ;;
esac

dpkg-deb -x "$deb" "$work/root"
check_file_list "$work/root" "$source" "The package"
owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
[ "$owners" = "root/root" ] || fail "the package's files belong to $owners, not root/root"

# Errors only: warnings and notes are for the maintainers to weigh.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || {
  cat "$work/lintian.log" >&2
  fail "lintian found errors"
}
cat "$work/lintian.log"
echo "package checked: $(basename "$deb"), $(wc -l <"$work/found") files"
