#pragma once

#include "morphology/formtable.h"
#include "morphology/hunspellstemmer.h"

#include <QString>
#include <QStringList>

#include <future>
#include <memory>
#include <mutex>

namespace parlora::morphology {

// The candidate base forms of a word of one language: "give me the words
// this one may be a form of". Our own table comes first (irregular forms,
// plurals, spellings), then Hunspell's stems of the word unless the table
// lists it (it lists every base of the forms it has, and Hunspell can be
// wrong about them), then the table's rules (attached pronouns, regular
// endings the stemmer misses), each followed by what the table and Hunspell
// say of the rewritten word. Candidates are lower case, each once, without
// the word; whether a candidate is a headword is for the caller to decide.
//
// Loading is lazy: the table and the Hunspell dictionary are read on the
// first question, or ahead of it in the background (Hunspell's Portuguese
// dictionary takes a few hundred milliseconds to load).
class BaseForms {
public:
    BaseForms(QString tableFile, QStringList hunspellDictionaries);
    ~BaseForms();
    BaseForms(const BaseForms &) = delete;
    BaseForms &operator=(const BaseForms &) = delete;

    // Starts loading on another thread, unless loading has begun already.
    void loadInBackground() const;
    // Loads now, on this thread, unless loading has begun already; waits for
    // a background load to finish.
    void load() const;

    QStringList candidates(const QString &word) const;

    // What the load found, for the curious (waits for the load).
    const FormTable::LoadResult &tableLoadResult() const;
    bool hunspellLoaded() const;

private:
    struct Sources {
        FormTable table;
        FormTable::LoadResult tableResult;
        std::unique_ptr<HunspellStemmer> hunspell;
    };
    const Sources &sources() const;
    void start(std::launch policy) const;

    QString m_tableFile;
    QStringList m_hunspellDictionaries;
    mutable std::once_flag m_started;
    mutable std::shared_future<std::shared_ptr<const Sources>> m_sources;
};

// The base forms of both languages of the pair: language 1 is Italian,
// language 2 Portuguese.
class PairBaseForms {
public:
    PairBaseForms(const QString &language1Table, const QString &language2Table,
                  const QString &hunspellFolder = SystemDictionaryFolder);

    // The language of the words searched in a direction (true: language 1).
    const BaseForms &source(bool direction) const { return direction ? m_language1 : m_language2; }
    void loadInBackground() const;

private:
    BaseForms m_language1;
    BaseForms m_language2;
};

} // namespace parlora::morphology
