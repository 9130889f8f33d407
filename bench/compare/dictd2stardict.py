#!/usr/bin/env python3
"""Convert a dictd database (.index + .dict or .dict.dz) into a StarDict one.

Usage: dictd2stardict.py INDEX DICT OUTDIR [NAME]

Writes OUTDIR/NAME.ifo, NAME.idx and NAME.dict (NAME defaults to the index's
file name without .index).  Every headword and every article keeps the exact
bytes the dictd server would send, so both peers of the speed comparison look
up the same entries.  The 00database* pseudo-entries (the database's own
metadata, which dictd never returns for a lookup) are left out; their short
name becomes the StarDict book name.

Python standard library only.
"""

import gzip
import os
import struct
import sys

# dictd writes offsets and lengths as big-endian base-64 numbers, without
# padding, in this alphabet.
B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
B64_VALUE = {c: i for i, c in enumerate(B64)}


def b64_number(text):
    value = 0
    for ch in text:
        try:
            value = value * 64 + B64_VALUE[ch]
        except KeyError:
            raise ValueError("not a dictd base-64 number: %r" % text)
    return value


def stardict_key(word):
    """Sort key of StarDict's .idx: ASCII-case-insensitive byte order, ties
    broken by plain byte order (g_ascii_strcasecmp, then strcmp).  On bytes,
    lower() folds A-Z only, as g_ascii_tolower does."""
    return (word.lower(), word)


def read_dict_data(path):
    # A .dict.dz is a gzip file with an extra random-access table, so gzip
    # reads it whole; a plain .dict is read as it is.
    with open(path, "rb") as f:
        magic = f.read(2)
    if magic == b"\x1f\x8b":
        with gzip.open(path, "rb") as f:
            return f.read()
    with open(path, "rb") as f:
        return f.read()


def read_index(path, data):
    """Yield (headword bytes, article bytes) in the index's order."""
    with open(path, "rb") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip(b"\r\n")
            if not line:
                continue
            fields = line.split(b"\t")
            if len(fields) < 3:
                raise ValueError("%s:%d: expected word, offset, length" % (path, number))
            # With dictfmt --index-keep-orig a fourth field holds the
            # headword as written; the first one is then a folded search key.
            word = fields[3] if len(fields) > 3 and fields[3] else fields[0]
            offset = b64_number(fields[1].decode("ascii"))
            length = b64_number(fields[2].decode("ascii"))
            if offset + length > len(data):
                raise ValueError("%s:%d: article past the end of the data" % (path, number))
            yield word, data[offset:offset + length]


def one_line(text):
    return " ".join(text.split())


def convert(index_path, dict_path, outdir, name):
    data = read_dict_data(dict_path)
    entries = []
    meta = {}
    for word, article in read_index(index_path, data):
        if word.startswith(b"00database") or word.startswith(b"00-database"):
            meta[word.decode("utf-8", "replace")] = article
            continue
        if b"\0" in word or len(word) >= 256:
            raise ValueError("headword unusable in StarDict: %r" % word)
        entries.append((word, article))

    # Stable sort: entries with the same headword keep the dictd order.
    entries.sort(key=lambda e: stardict_key(e[0]))

    os.makedirs(outdir, exist_ok=True)
    idx = bytearray()
    with open(os.path.join(outdir, name + ".dict"), "wb") as out:
        offset = 0
        for word, article in entries:
            out.write(article)
            idx += word + b"\0" + struct.pack(">II", offset, len(article))
            offset += len(article)
            if offset >= 2 ** 32:
                raise ValueError("data too large for 32-bit StarDict offsets")
    with open(os.path.join(outdir, name + ".idx"), "wb") as out:
        out.write(idx)

    short = meta.get("00databaseshort") or meta.get("00-database-short") or name.encode()
    # dictd's short entry starts with the key line; the name is what follows.
    short_lines = [l.strip() for l in short.decode("utf-8", "replace").splitlines() if l.strip()]
    bookname = short_lines[-1] if short_lines else name
    url = meta.get("00databaseurl") or meta.get("00-database-url") or b""
    url_lines = [l.strip() for l in url.decode("utf-8", "replace").splitlines() if l.strip()]
    ifo = [
        "StarDict's dict ifo file",
        "version=2.4.2",
        "bookname=" + one_line(bookname),
        "wordcount=%d" % len(entries),
        "idxfilesize=%d" % len(idx),
        "sametypesequence=m",
        "description=" + one_line("Converted from the dictd database %s"
                                  % os.path.basename(index_path)),
    ]
    if url_lines:
        ifo.append("website=" + one_line(url_lines[-1]))
    with open(os.path.join(outdir, name + ".ifo"), "w", encoding="utf-8") as out:
        out.write("\n".join(ifo) + "\n")
    return len(entries), bookname


def main(argv):
    if len(argv) not in (4, 5):
        sys.stderr.write(__doc__)
        return 2
    index_path, dict_path, outdir = argv[1:4]
    if len(argv) == 5:
        name = argv[4]
    else:
        name = os.path.basename(index_path)
        if name.endswith(".index"):
            name = name[: -len(".index")]
    try:
        count, bookname = convert(index_path, dict_path, outdir, name)
    except (OSError, ValueError) as e:
        sys.stderr.write("dictd2stardict: %s\n" % e)
        return 1
    print("%s: %d entries, book \"%s\"" % (os.path.join(outdir, name), count, bookname))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
