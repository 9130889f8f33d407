#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <mutex>
#include <optional>

namespace parlora::morphology {

// Hunspell's answers kept in a file, for callers that start afresh for every
// lookup: loading even a reduced dictionary costs more than the whole
// lookup, and the words that reach Hunspell (no entry, nothing in our
// tables) are mostly the same misses typed again. One UTF-8 line per word:
// the word and a tab, then its stems separated by tabs. The file belongs to one
// reduced dictionary and goes with it; it is only a cache, so a missing,
// damaged or full file means asking Hunspell.
class StemAnswers {
public:
    explicit StemAnswers(QString file);

    // The stems remembered for the word, if it was asked before.
    std::optional<QStringList> find(const QString &word) const;
    // Adds the answer at the end of the file; nothing when the word or a
    // stem cannot be written on one line, or the file is full.
    void remember(const QString &word, const QStringList &stems);

    // Past this size the file stops growing; it starts afresh with the
    // next reduced dictionary.
    static constexpr qsizetype MaxFileBytes = 256 * 1024;

private:
    const QByteArray &contents() const;

    QString m_file;
    mutable std::once_flag m_read;
    mutable QByteArray m_contents;
    std::mutex m_appending;
};

} // namespace parlora::morphology
