#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace parlora {

// The outcome of writing a file: on failure, a reason a person can read.
struct SaveResult {
    bool ok = true;
    QString error;

    static SaveResult failure(QString reason) { return {false, std::move(reason)}; }
    explicit operator bool() const { return ok; }
};

// Reads a Windows-1252 text file line by line, the way the data files were
// always written: a line ends at CR or at CR LF, a lone LF is an ordinary
// character, and the terminator is not part of the line. Whether the file is
// at its end is known after every read, because the loaders' steps depend on
// it. A file that cannot be opened reads as an empty file (isOpen() tells).
class TextFileReader {
public:
    explicit TextFileReader(const QString &path);

    bool isOpen() const { return m_open; }
    // Why the file could not be opened; empty when it was.
    const QString &errorString() const { return m_error; }
    bool atEnd() const { return m_position >= m_text.size(); }
    // The next line; the empty string when already at the end.
    QString readLine();

private:
    QString m_text;
    qsizetype m_position = 0;
    bool m_open = false;
    QString m_error;
};

// True when every character of the text has a Windows-1252 byte.
bool canEncodeWindows1252(QStringView text);

// Writes the lines in Windows-1252, each ended by CR LF, replacing the file
// atomically: a crash or a full disk leaves the old file as it was.
// Refuses (without touching the file) text that Windows-1252 cannot hold.
SaveResult writeTextLines(const QString &path, const QStringList &lines);

// Replaces the file's whole contents atomically (created when missing).
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// True when the path names an existing file; false for nothing or a folder.
bool FileExists(const QString &path);

// Copies a file onto a target, replacing whatever the target held.
SaveResult copyFileReplacing(const QString &source, const QString &target);
SaveResult removeFile(const QString &path);

} // namespace parlora
