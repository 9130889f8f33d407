#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace parlora {

// The outcome of writing a file: on failure, a reason a person can read.
struct SaveResult {
    bool ok = true;
    QString error;

    static SaveResult failure(QString reason) { return {false, std::move(reason)}; }
    explicit operator bool() const { return ok; }
};

// A data file larger than this is not one of ours: reading it would only
// fill the memory (a link to /dev/zero, a disk image copied by mistake).
inline constexpr qint64 MaxDataFileBytes = 64 * 1024 * 1024;

// The whole of a data file, or why it could not be read: only regular files
// up to MaxDataFileBytes are read, so that a FIFO cannot hang the program and
// a link to a device cannot exhaust its memory.
struct FileBytes {
    bool ok = false;
    QByteArray bytes;
    QString error;
};
FileBytes readDataFile(const QString &path);

// Which characters end a line.
enum class LineEnds {
    // CR or CR LF; a lone LF is an ordinary character (the dictionary,
    // phrasebook, grammar and language files were always written that way).
    CrOrCrLf,
    // CR, CR LF or LF: for the user's own file, which other tools and Linux
    // editors may have saved with LF.
    Any,
};

// Reads a Windows-1252 text file line by line; the terminator is not part of
// the line. Whether the file is at its end is known after every read,
// because the loaders' steps depend on it. A file that cannot be read (also
// a FIFO, a device, a folder or a file over MaxDataFileBytes, which are
// refused before they are opened) reads as an empty file: isOpen() tells.
class TextFileReader {
public:
    explicit TextFileReader(const QString &path, LineEnds lineEnds = LineEnds::CrOrCrLf);
    // The lines of bytes already read.
    TextFileReader(const QByteArray &bytes, LineEnds lineEnds);

    bool isOpen() const { return m_open; }
    // Why the file could not be opened; empty when it was.
    const QString &errorString() const { return m_error; }
    bool atEnd() const { return m_position >= m_text.size(); }
    // The next line; the empty string when already at the end.
    QString readLine();
    // The same without a copy, valid as long as the reader.
    QStringView readLineView();

private:
    QString m_text;
    qsizetype m_position = 0;
    LineEnds m_lineEnds;
    bool m_open = false;
    QString m_error;
};


// True when every character of the text has a Windows-1252 byte.
bool canEncodeWindows1252(QStringView text);

// The lines in Windows-1252, each ended by CR LF; nothing when some text
// cannot be held by the code page.
std::optional<QByteArray> encodeTextLines(const QStringList &lines);

// Writes the lines in Windows-1252, each ended by CR LF, replacing the file
// atomically: a crash or a full disk leaves the old file as it was.
// Refuses (without touching the file) text that Windows-1252 cannot hold.
SaveResult writeTextLines(const QString &path, const QStringList &lines);

// Replaces the file's whole contents atomically (created when missing, with
// its folder).
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// True when the path names an existing regular file (or a link to one);
// false for nothing, a folder, a FIFO or a device.
bool FileExists(const QString &path);

// Copies a file onto a target, replacing whatever the target held.
SaveResult copyFileReplacing(const QString &source, const QString &target);
SaveResult removeFile(const QString &path);

} // namespace parlora
