#!/usr/bin/env python3
"""Measure the CPU time per word of parlora-lookup, sdcv and dict + dictd.

Called by compare.sh, which installs the peers, makes the StarDict copy and
starts dictd; this part only runs the lookups and prints the table.

CPU time is user + system time of each whole process, taken from wait4()'s
resource usage, which Linux keeps in microseconds (GNU time prints only
hundredths of a second, too coarse for a peer that needs about 1 ms).  The
dictd server's share is read from /proc/PID/stat: utime + stime of the
listening daemon plus cutime + cstime of the children it forked for each
connection and has reaped.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

CLK_TCK = os.sysconf("SC_CLK_TCK")

# dict's exit codes that still mean the server answered: definitions found,
# nothing found, only approximate matches.
DICT_ANSWERED = {0, 20, 21}
DICT_STRATEGIES = ("exact", "lev", "prefix")


def run(argv, env, stdin_path=None, capture=False):
    """Run argv; return (cpu seconds, exit code, stdout bytes or None)."""
    stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
    try:
        proc = subprocess.Popen(argv, env=env, stdin=stdin,
                                stdout=subprocess.PIPE if capture else subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        out = proc.stdout.read() if capture else None
        if capture:
            proc.stdout.close()
        _, status, usage = os.wait4(proc.pid, 0)
        proc.returncode = os.waitstatus_to_exitcode(status)
    finally:
        if stdin_path:
            stdin.close()
    return usage.ru_utime + usage.ru_stime, proc.returncode, out


def server_ticks(pid):
    """utime + stime + cutime + cstime of a process, in clock ticks."""
    with open("/proc/%d/stat" % pid, "rb") as f:
        stat = f.read()
    # The command name may hold spaces or parentheses: fields start after
    # the last ')'; utime is field 14 overall, the 12th after the name.
    fields = stat[stat.rindex(b")") + 2:].split()
    return sum(int(x) for x in fields[11:15])


def children_of(pid):
    kids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry, "rb") as f:
                stat = f.read()
        except OSError:
            continue
        fields = stat[stat.rindex(b")") + 2:].split()
        if int(fields[1]) == pid:
            kids.append(int(entry))
    return kids


def wait_reaped(pid, timeout=5.0):
    """Wait until the daemon has reaped the children that served our
    connections, so their CPU shows in its cutime/cstime."""
    end = time.monotonic() + timeout
    while children_of(pid):
        if time.monotonic() > end:
            return False
        time.sleep(0.01)
    return True


class Tool:
    def __init__(self, key, label):
        self.key = key
        self.label = label
        self.per_word_ms = []      # one value per measured round
        self.client_ms = []
        self.server_ms = []
        self.found = None
        self.note = None


def parlora_argv(args, word):
    return [args.parlora, "--from", "it", "--similar", "--phrases", word]


def sdcv_argv(args, word):
    return ["sdcv", "-n", "-x", "--data-dir", args.sdcv_data, word]


def dict_argv(args, strategy, word):
    return ["dict", "-h", "127.0.0.1", "-p", str(args.dict_port),
            "-d", args.dict_db, "-s", strategy, word]


def measure_parlora(args, env, words, tool, capture):
    cpu, found = 0.0, 0
    for word in words:
        t, rc, _ = run(parlora_argv(args, word), env, capture=capture)
        if rc not in (0, 1):
            raise RuntimeError("parlora-lookup exited with %d for %r" % (rc, word))
        cpu += t
        found += rc == 0
    return cpu, 0.0, found


def measure_batch(args, env, words, tool, capture):
    t, rc, _ = run([args.parlora, "--from", "it", "--similar", "--phrases", "-"],
                   env, stdin_path=args.words_file, capture=capture)
    if rc not in (0, 1):
        raise RuntimeError("parlora-lookup batch exited with %d" % rc)
    return t, 0.0, None


def measure_sdcv(args, env, words, tool, capture):
    cpu, found = 0.0, 0
    for word in words:
        t, rc, out = run(sdcv_argv(args, word), env, capture=capture)
        if rc != 0:
            raise RuntimeError("sdcv exited with %d for %r" % (rc, word))
        cpu += t
        # sdcv exits 0 whether or not it found the word; each article it
        # prints is headed by "-->book" and "-->headword" lines.
        if out is not None and b"-->" + word.encode() in out.split(b"\n"):
            found += 1
    return cpu, 0.0, found


def measure_dict(args, env, words, tool, capture):
    if not wait_reaped(args.dictd_pid):
        raise RuntimeError("dictd still has children from an earlier request")
    before = server_ticks(args.dictd_pid)
    cpu, found = 0.0, 0
    for word in words:
        for strategy in DICT_STRATEGIES:
            t, rc, _ = run(dict_argv(args, strategy, word), env, capture=capture)
            if rc not in DICT_ANSWERED:
                raise RuntimeError("dict -s %s exited with %d for %r (is dictd up?)"
                                   % (strategy, rc, word))
            cpu += t
            if strategy == "exact":
                found += rc == 0
    if not wait_reaped(args.dictd_pid):
        raise RuntimeError("dictd did not reap its children in time")
    server = (server_ticks(args.dictd_pid) - before) / CLK_TCK
    return cpu, server, found


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--rounds", type=int, default=5)
    ap.add_argument("--words-file", required=True)
    ap.add_argument("--parlora", required=True)
    ap.add_argument("--batch", action="store_true",
                    help="parlora-lookup reads words from standard input with '-'")
    ap.add_argument("--batch-note", default="",
                    help="why the batch row is skipped")
    ap.add_argument("--sdcv-data", required=True, help="folder holding dic/")
    ap.add_argument("--dict-port", type=int, required=True)
    ap.add_argument("--dict-db", required=True)
    ap.add_argument("--dictd-pid", type=int, required=True)
    ap.add_argument("--home", required=True,
                    help="HOME for the measured programs (keeps user settings out)")
    args = ap.parse_args()

    with open(args.words_file, encoding="utf-8") as f:
        words = [w.strip() for w in f if w.strip()]
    if not words:
        sys.exit("measure: no words")

    env = dict(os.environ)
    env.update(LC_ALL="C.UTF-8", HOME=args.home,
               XDG_CONFIG_HOME=os.path.join(args.home, ".config"),
               XDG_DATA_HOME=os.path.join(args.home, ".local", "share"),
               XDG_CACHE_HOME=os.path.join(args.home, ".cache"))

    tools = [
        (Tool("parlora", "parlora-lookup --similar --phrases"), measure_parlora),
        (Tool("batch", "parlora-lookup, 1 process for all words"), measure_batch),
        (Tool("sdcv", "sdcv (exact, fuzzy on a miss)"), measure_sdcv),
        (Tool("dict", "dict + dictd (exact + lev + prefix)"), measure_dict),
    ]
    if not args.batch:
        tools[1][0].note = args.batch_note or "skipped"
        active = [t for t in tools if t[0].key != "batch"]
    else:
        active = tools

    # A first round that is not counted fills the page cache, lets sdcv
    # write its offset cache and checks that every peer answers.
    for tool, fn in active:
        _, _, found = fn(args, env, words, tool, capture=True)
        tool.found = found

    n = len(words)
    for r in range(args.rounds):
        # Rotate the order so that no tool always runs right after another.
        order = active[r % len(active):] + active[:r % len(active)]
        for tool, fn in order:
            client, server, _ = fn(args, env, words, tool, capture=False)
            tool.client_ms.append(client * 1000 / n)
            tool.server_ms.append(server * 1000 / n)
            tool.per_word_ms.append((client + server) * 1000 / n)

    # The floor any one-process-per-word tool pays on this machine.
    true_ms = statistics.median(run(["true"], env)[0] * 1000 for _ in range(50))

    med = {t.key: statistics.median(t.per_word_ms) for t, _ in active}
    print("%d words, %d rounds (+1 warm-up), median per tool; CPU = user + sys"
          % (n, args.rounds))
    print()
    header = ("tool", "CPU ms/word", "min-max", "x sdcv", "x dict+dictd")
    rows = []
    for tool, _ in tools:
        if tool.note:
            rows.append((tool.label, "-", "", "", "", tool.note))
            continue
        m = med[tool.key]
        rows.append((tool.label, "%.2f" % m,
                     "%.2f-%.2f" % (min(tool.per_word_ms), max(tool.per_word_ms)),
                     "%.1f" % (m / med["sdcv"]) if med["sdcv"] > 0 else "n/a",
                     "%.2f" % (m / med["dict"]) if med["dict"] > 0 else "n/a",
                     ""))
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(5)]
    fmt = "  ".join(("%%-%ds" if i == 0 else "%%%ds") % widths[i] for i in range(5))
    print(fmt % header)
    for row in rows:
        line = fmt % row[:5]
        if row[5]:
            line = ("%%-%ds  %%s" % widths[0]) % (row[0], row[5])
        print(line.rstrip())
    print()
    d = [t for t, _ in tools if t.key == "dict"][0]
    print("dict + dictd split (median ms/word): clients %.2f (3 processes), "
          "server %.2f (dictd; /proc counts in ticks of %.0f ms per round)"
          % (statistics.median(d.client_ms), statistics.median(d.server_ms),
             1000 / CLK_TCK))
    print("an empty process (true) costs %.2f ms here" % true_ms)
    found = ", ".join("%s %d/%d" % (t.key, t.found, n)
                      for t, _ in active if t.found is not None)
    print("headword found exactly (warm-up round): " + found)


if __name__ == "__main__":
    try:
        main()
    except RuntimeError as e:
        sys.exit("measure: %s" % e)
    except KeyboardInterrupt:
        sys.exit(130)
