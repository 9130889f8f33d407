#pragma once

// What every fuzz target shares. A target checks properties of what the
// program does with its input, not only that it survives it: a property that
// does not hold stops the process with a message, so that libFuzzer keeps
// the input as a finding and the replay test fails on it.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

#define FUZZ_CHECK(condition, detail)                                                                                 \
    do {                                                                                                              \
        if (!(condition))                                                                                             \
            ::parlora::fuzz::fail(__FILE__, __LINE__, #condition, (detail));                                          \
    } while (false)

namespace parlora::fuzz {

[[noreturn]] void fail(const char *file, int line, const char *condition, const QString &detail);

// Inputs hold several files or texts one after the other, each ended by this
// byte (ASCII record separator): rare in text, and a single byte the
// fuzzer finds easily (it is in each target's dictionary too).
inline constexpr char SectionSeparator = '\x1e';

// The first count - 1 sections of the input, then everything after them as
// the last one; missing sections are empty.
QList<QByteArray> splitSections(const uint8_t *data, size_t size, int count);

// Small inputs never show what a long list or a long entry costs, so a
// section may ask to be repeated: a first byte 0x01, two bytes of count
// (high byte first), then the text to repeat, in which every 0x02 byte
// becomes the number of the copy (so that the copies differ). The result is
// cut at MaxExpandedBytes. Any other section is returned as it is.
inline constexpr char RepeatMark = '\x01';
inline constexpr char CopyNumberMark = '\x02';
// Long enough that a cost growing with the square of an entry or a list
// exceeds the time bound many times over; short enough that a linear one
// stays far below it, sanitizers and a busy machine included.
inline constexpr qsizetype MaxExpandedBytes = 256 * 1024;
QByteArray expanded(const QByteArray &section);

// A folder of the process's own, removed at exit: targets write their input
// there for the loaders that read files.
const QString &scratchFolder();
// Writes the bytes, replacing the file; a failure stops the run (it is the
// machine's fault, not a finding).
void writeFile(const QString &path, const QByteArray &bytes);
void removeFile(const QString &path);

// The bytes as UTF-16 code units, lone surrogates and all (an odd last byte
// is dropped): any text a person could paste or a program could hand over.
QString utf16Text(const QByteArray &bytes);

// A short text for a failure message: the start of a long one, escaped.
QString shown(const QString &text);
QString shown(const QStringList &texts);

// The characters of all the texts together.
qsizetype totalLength(const QStringList &texts);

} // namespace parlora::fuzz
