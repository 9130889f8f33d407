#!/bin/sh
# Installs the built tree as a distribution would (DESTDIR, prefix /usr) and
# checks the result: the files, the validators, and the installed programs
# run from the read-only tree by a plain user, whose files must land in that
# user's folders and nowhere in the tree.
#   check-tree.sh BUILD_DIR SOURCE_DIR VERSION
# Environment: CMAKE (the cmake to install with), INSTALLED_DATA_DIR (the
# data folder compiled into the programs).
set -eu
build=$1 source=$2 version=$3
. "$(dirname "$0")/installedfiles.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/parlora-install.XXXXXX")
chmod 755 "$work"
pids=""
trap 'for p in $pids; do kill -9 "$p" 2>/dev/null || :; done; chmod -R u+w "$work"; rm -rf "$work"' EXIT
root=$work/root
bin=$root/usr/bin
share=$root/usr/share

DESTDIR=$root "${CMAKE:-cmake}" --install "$build" --prefix /usr >"$work/install.log" || {
  cat "$work/install.log" >&2
  fail "cmake --install failed"
}
check_file_list "$root" "$source" "The installed tree"

# What desktops and software centres read must pass their validators and
# agree with each other and with the program's version.
desktop=$share/applications/org.parlora.Parlora.desktop
metainfo=$share/metainfo/org.parlora.Parlora.metainfo.xml
desktop-file-validate "$desktop" >"$work/validate.log" 2>&1 || {
  cat "$work/validate.log" >&2
  fail "desktop-file-validate refused the desktop entry"
}
appstreamcli validate --no-net "$metainfo" >"$work/validate.log" 2>&1 || {
  cat "$work/validate.log" >&2
  fail "appstreamcli refused the metainfo"
}
grep -qx 'Exec=parlora' "$desktop" || fail "the desktop entry does not start the installed parlora"
grep -qx 'Icon=org.parlora.Parlora' "$desktop" || fail "the desktop entry does not name the installed icon"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, the program is $version"
zcat "$share/doc/parlora/changelog.gz" | head -n 1 | grep -q "^parlora ($version)" ||
  fail "the changelog's newest entry is not version $version"
for page in parlora parlora-lookup; do
  zcat "$share/man/man1/$page.1.gz" | grep -q "^\.TH .*\"Parlora $version\"" ||
    fail "the manual page $page(1) is not for version $version"
done
for image in $(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$metainfo"); do
  [ -f "$source/docs/${image##*/}" ] || fail "the screenshot $image is no file in docs/"
done
for size in $ICON_SIZES; do
  # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
  set -- $(od -An -tu1 -j16 -N8 "$share/icons/hicolor/${size}x${size}/apps/org.parlora.Parlora.png")
  [ $(($1 << 24 | $2 << 16 | $3 << 8 | $4)) -eq "$size" ] && [ $(($5 << 24 | $6 << 16 | $7 << 8 | $8)) -eq "$size" ] ||
    fail "the ${size}x$size icon is not $size pixels square"
done

# The programs run as a plain user from the read-only tree, as from /usr,
# with a home of their own. Run as root, they run as nobody.
chmod -R a-w "$root"
home=$work/home
mkdir -p "$home" "$work/runtime" "$work/lone"
chmod 700 "$work/runtime"
as_user=""
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home" "$work/runtime"
  as_user="setpriv --reuid=65534 --regid=65534 --clear-groups --"
fi
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
touch "$work/before-runs"

# wait_for SECONDS COMMAND...: true once the command succeeds.
wait_for() {
  tries=$(($1 * 5))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.2
  done
}
has_text() { grep -q "$1" "$2" 2>/dev/null; }

# Also where there is no display: a package script or a shell over ssh.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $as_user "$bin/parlora" --version)" = "parlora $version" ] ||
  fail "parlora --version does not say $version without a display"
$as_user "$bin/parlora-lookup" --version | grep -q "$version" || fail "parlora-lookup --version does not say $version"
$as_user "$bin/parlora-lookup" --from it casa >"$work/lookup.out" 2>&1 || {
  cat "$work/lookup.out" >&2
  fail "the installed parlora-lookup did not translate casa"
}

# A start with words changes the direction, which is saved at once: in the
# user's folder. A second start hands its words to the running window.
$as_user "$bin/parlora" --from pt obrigado >"$work/first.log" 2>&1 &
first=$!
pids="$first"
wait_for 60 test -s "$XDG_CONFIG_HOME/parlora/parlora.ini" || {
  cat "$work/first.log" >&2
  fail "the installed parlora saved no options in the user's folder"
}
timeout 30 $as_user "$bin/parlora" --from it casa >"$work/second.log" 2>&1 || {
  cat "$work/second.log" >&2
  fail "a second start did not hand its words to the running window"
}
kill -0 "$first" || fail "the running window ended when a second start handed over its words"
kill -TERM "$first"
wait "$first" || fail "parlora did not end cleanly on SIGTERM"
pids=""
written=$(find "$root" -newer "$work/before-runs")
[ -z "$written" ] || fail "the programs wrote into the installed tree: $written"

# A program copied away from its data names every folder it looked in.
if [ ! -e "${INSTALLED_DATA_DIR:-/nonexistent}/dic/portital.diz" ]; then
  cp "$bin/parlora" "$work/lone/parlora"
  $as_user "$work/lone/parlora" >"$work/lone.log" 2>&1 &
  pids=$!
  wait_for 30 has_text portital.diz "$work/lone.log" || fail "a program without data did not say what is missing"
  for folder in "$work/lone" "$work/share/parlora" "$INSTALLED_DATA_DIR"; do
    has_text "$folder" "$work/lone.log" || fail "the message for missing data does not name $folder: $(cat "$work/lone.log")"
  done
fi
echo "installation checked: $(wc -l <"$work/found") files"
