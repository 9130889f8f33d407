#!/usr/bin/env bash
# Side-by-side CPU cost of one lookup: parlora-lookup against sdcv and
# dict + dictd, all on the FreeDict Italian-Portuguese data.
#
#   bench/compare/compare.sh [BUILD_DIR] [ROUNDS]
#
# BUILD_DIR is the CMake build folder (default: build/ at the top of the
# checkout); its app/parlora-lookup is measured.  ROUNDS (default 5) is how
# many times every tool looks up the whole word list; the median is shown.
#
# Installs what is missing (sdcv dictd dict dict-freedict-ita-por) with
# apt-get, through sudo when not root.  Everything else lives in a temporary
# folder that is removed at the end: the StarDict copy of the dictd data for
# sdcv, and the configuration of a private dictd that listens on 127.0.0.1
# only, on a free port, serves only that database and is stopped on exit,
# also after an error or Ctrl+C.  The system's own dictd service, if any, is
# left alone.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/../.." && pwd)

BUILD_DIR=${1:-$top/build}
ROUNDS=${2:-5}

# The words: frequent ones, a few inflected forms that are no headword of
# their own, and misses (two typos and one non-word) that send every tool
# into its similar-word search.
WORDS=(
    casa acqua tempo uomo donna giorno mangiare bello lavoro fare
    città andare amico parola
    case parliamo mangiato
    lavorro cavalo qwzx
)

DB=freedict-ita-por
PACKAGES=(sdcv dictd dict dict-freedict-ita-por)

die() { echo "compare.sh: $*" >&2; exit 1; }

case $ROUNDS in
    ''|*[!0-9]*|0) die "ROUNDS must be a positive whole number, not '$ROUNDS'" ;;
esac

if [ -x "$BUILD_DIR/app/parlora-lookup" ]; then
    LOOKUP=$BUILD_DIR/app/parlora-lookup
elif [ -x "$BUILD_DIR/parlora-lookup" ]; then
    LOOKUP=$BUILD_DIR/parlora-lookup
elif [ -f "$BUILD_DIR" ] && [ -x "$BUILD_DIR" ]; then
    LOOKUP=$BUILD_DIR
else
    die "no parlora-lookup in $BUILD_DIR (build it first, e.g. ./setup.sh)"
fi
LOOKUP=$(cd "$(dirname "$LOOKUP")" && pwd)/$(basename "$LOOKUP")

command -v python3 >/dev/null || die "python3 is needed"

if [ "$(id -u)" -eq 0 ]; then
    SUDO=()
else
    SUDO=(sudo)
fi

# --- peers --------------------------------------------------------------
missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ ${#SUDO[@]} -gt 0 ] && ! command -v sudo >/dev/null; then
        die "missing packages (${missing[*]}) and no sudo to install them"
    fi
    echo "Installing ${missing[*]} ..."
    # Note: on a machine with systemd, installing dictd also starts the
    # system's dictd service; this script neither uses nor stops it.
    "${SUDO[@]}" apt-get update -qq
    "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
for c in sdcv dictd dict; do
    command -v "$c" >/dev/null || die "$c is not on PATH after installing"
done

INDEX=$(dpkg-query -L dict-freedict-ita-por | grep "/$DB\.index\$" | head -n1 || true)
DATA=$(dpkg-query -L dict-freedict-ita-por | grep "/$DB\.dict\(\.dz\)\?\$" | head -n1 || true)
[ -n "$INDEX" ] && [ -f "$INDEX" ] || INDEX=/usr/share/dictd/$DB.index
[ -n "$DATA" ] && [ -f "$DATA" ] || DATA=/usr/share/dictd/$DB.dict.dz
[ -f "$INDEX" ] && [ -f "$DATA" ] || die "no $DB data in /usr/share/dictd"

# --- temporary folder and the private dictd ------------------------------
WORK=$(mktemp -d "${TMPDIR:-/tmp}/parlora-compare.XXXXXX")
DICTD_PID=
DICTD_AS_ROOT=0

stop_dictd() {
    [ -n "$DICTD_PID" ] || return 0
    local pid=$DICTD_PID
    DICTD_PID=
    if [ "$DICTD_AS_ROOT" = 1 ]; then
        "${SUDO[@]}" kill -TERM "$pid" 2>/dev/null || true
    else
        kill -TERM "$pid" 2>/dev/null || true
    fi
    for _ in $(seq 50); do
        [ -d "/proc/$pid" ] || break
        sleep 0.1
    done
    if [ -d "/proc/$pid" ]; then
        if [ "$DICTD_AS_ROOT" = 1 ]; then
            "${SUDO[@]}" kill -KILL "$pid" 2>/dev/null || true
        else
            kill -KILL "$pid" 2>/dev/null || true
        fi
    fi
    wait 2>/dev/null || true
}
cleanup() {
    local rc=$?
    stop_dictd
    rm -rf "$WORK"
    exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$WORK/stardict/dic" "$WORK/home" "$WORK/run"
# Run as root, dictd drops to the dictd (or nobody) user: let it reach its
# pid-file folder.
chmod 755 "$WORK"
chmod 1777 "$WORK/run"
printf '%s\n' "${WORDS[@]}" > "$WORK/words.txt"

echo "Converting $DB for sdcv ..."
python3 "$here/dictd2stardict.py" "$INDEX" "$DATA" "$WORK/stardict/dic" "$DB"

PORT=$(python3 -c 'import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])')

cat > "$WORK/dictd.conf" <<EOF
global {
  listen_to 127.0.0.1
  pid_file "$WORK/run/dictd.pid"
  locale C.UTF-8
}
access {
  allow 127.0.0.1
}
database $DB {
  data  "$DATA"
  index "$INDEX"
}
EOF

dictd_up() {
    [ -d "/proc/$DICTD_PID" ] && dict -h 127.0.0.1 -p "$PORT" -D >/dev/null 2>&1
}
wait_dictd() {
    for _ in $(seq 100); do
        dictd_up && return 0
        [ -d "/proc/$DICTD_PID" ] || return 1
        sleep 0.1
    done
    return 1
}

# "nodetach" keeps dictd in the foreground, so $! is the listening daemon
# itself (it forks one child per connection and reaps it).
dictd -c "$WORK/dictd.conf" -p "$PORT" -d nodetach \
    </dev/null >"$WORK/dictd.log" 2>&1 &
DICTD_PID=$!
if ! wait_dictd; then
    stop_dictd
    if [ ${#SUDO[@]} -gt 0 ] && command -v sudo >/dev/null; then
        echo "dictd did not start as $(id -un); trying as root:" >&2
        sed 's/^/  /' "$WORK/dictd.log" >&2
        sudo -v || die "dictd did not start and sudo is refused"
        "${SUDO[@]}" dictd -c "$WORK/dictd.conf" -p "$PORT" -d nodetach \
            </dev/null >"$WORK/dictd.log" 2>&1 &
        DICTD_AS_ROOT=1
        # sudo may sit between us and dictd, which also rewrites its command
        # line: find the daemon by the port it listens on.
        for _ in $(seq 50); do
            DICTD_PID=$("${SUDO[@]}" ss -Hltnp "sport = :$PORT" 2>/dev/null \
                | grep -o 'pid=[0-9]*' | head -n1 | cut -d= -f2 || true)
            [ -n "$DICTD_PID" ] && [ "$(cat "/proc/$DICTD_PID/comm" 2>/dev/null)" = dictd ] && break
            DICTD_PID=
            sleep 0.1
        done
        [ -n "$DICTD_PID" ] && wait_dictd || {
            sed 's/^/  /' "$WORK/dictd.log" >&2
            die "dictd did not start"
        }
    else
        sed 's/^/  /' "$WORK/dictd.log" >&2
        die "dictd did not start"
    fi
fi
[ "$(cat "/proc/$DICTD_PID/comm" 2>/dev/null)" = dictd ] \
    || die "process $DICTD_PID is not dictd"

# --- batch mode of parlora-lookup -----------------------------------------
# Detected from --help (it comes with --json) or, failing that, by trying:
# a build without it looks "-" up as a word.
BATCH=()
BATCH_NOTE=
if "$LOOKUP" --help 2>/dev/null | grep -q -- '--json'; then
    BATCH=(--batch)
else
    single=$(HOME=$WORK/home LC_ALL=C.UTF-8 "$LOOKUP" --from it --similar --phrases casa 2>/dev/null || true)
    batch=$(printf 'casa\n' | HOME=$WORK/home LC_ALL=C.UTF-8 \
        "$LOOKUP" --from it --similar --phrases - 2>/dev/null) && rc=0 || rc=$?
    if [ "$rc" -eq 0 ] && [ -n "$single" ] && [[ $batch == *"$single"* ]]; then
        BATCH=(--batch)
    else
        BATCH_NOTE="skipped: this parlora-lookup has no batch mode ('-' is looked up as a word)"
    fi
fi

# --- what runs where ----------------------------------------------------
first_line() { "$@" 2>&1 | grep -m1 . || true; }
cpu_model=$(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//' || true)
[ -n "$cpu_model" ] || cpu_model=$(lscpu 2>/dev/null | sed -n 's/^Model name: *//p' | head -n1)
echo
echo "Machine:  $(nproc) CPUs, ${cpu_model:-unknown CPU}, Linux $(uname -r), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "parlora-lookup: $LOOKUP (built $(date -r "$LOOKUP" '+%Y-%m-%d %H:%M'))"
echo "sdcv:     $(first_line sdcv --version)"
echo "dict:     $(first_line dict -V)"
echo "dictd:    $(first_line dictd -V), pid $DICTD_PID as $(ps -o user= -p "$DICTD_PID"), 127.0.0.1:$PORT"
echo "data:     $DB $(dpkg-query -W -f='${Version}' dict-freedict-ita-por) ($INDEX)"
echo "words:    ${WORDS[*]}"
echo

python3 "$here/measure.py" \
    --rounds "$ROUNDS" \
    --words-file "$WORK/words.txt" \
    --parlora "$LOOKUP" \
    "${BATCH[@]}" --batch-note "$BATCH_NOTE" \
    --sdcv-data "$WORK/stardict" \
    --dict-port "$PORT" --dict-db "$DB" --dictd-pid "$DICTD_PID" \
    --home "$WORK/home"
