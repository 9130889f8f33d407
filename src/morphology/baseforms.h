#pragma once

#include "morphology/formtable.h"
#include "morphology/hunspellstemmer.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>
#include <mutex>

namespace parlora::morphology {

// The base forms of a word of one language: "which headwords may this word
// be a form of?". Two tiers, the second only when the first finds no
// headword: first our own table (irregular forms, plurals, spellings) and
// its rules (attached pronouns, regular endings), each rewritten word also
// looked up in the table; then Hunspell's stems of the word and of the
// rewritten words. Found words are lower case, each once, never the word
// itself.
//
// Loading is lazy: the table on the first question, Hunspell's dictionary
// when the first tier first comes back empty, or either ahead of that in
// the background (Hunspell's Portuguese dictionary takes a few hundred
// milliseconds to load).
class BaseForms {
public:
    using HeadwordTest = std::function<bool(const QString &word)>;

    // With a cache folder, the table is kept there mapped (see
    // MappedFormTable), for callers that start afresh for every lookup.
    BaseForms(QString tableFile, QStringList hunspellDictionaries, QString cacheFolder = {});
    ~BaseForms();
    BaseForms(const BaseForms &) = delete;
    BaseForms &operator=(const BaseForms &) = delete;

    // Starts loading both sources on other threads, unless begun already.
    void loadInBackground() const;

    // For callers that start afresh for every lookup (the terminal tool):
    // Hunspell loads a copy of its word list reduced to the headwords, kept
    // in the cache folder under the key (which changes whenever the
    // headwords may have); headwords() is asked only to make the copy.
    using HeadwordList = std::function<QStringList()>;
    void reduceHunspellTo(QString cacheKey, HeadwordList headwords);

    // The base forms of the word that pass the test, in the order found.
    QStringList baseForms(const QString &word, const HeadwordTest &isHeadword) const;

    const FormTable::LoadResult &tableLoadResult() const;
    bool hunspellLoaded() const;

private:
    struct Table {
        std::unique_ptr<FormLookup> lookup;
        FormTable::LoadResult result;
    };
    const Table &table() const;
    const HunspellStemmer &hunspell() const;
    void startTable(std::launch policy) const;
    void startHunspell(std::launch policy) const;

    QString m_tableFile;
    QStringList m_hunspellDictionaries;
    QString m_cacheFolder;
    QString m_reductionKey;
    HeadwordList m_headwords;
    mutable std::once_flag m_tableStarted;
    mutable std::once_flag m_hunspellStarted;
    mutable std::shared_future<std::shared_ptr<const Table>> m_table;
    mutable std::shared_future<std::shared_ptr<const HunspellStemmer>> m_hunspell;
};

// The base forms of both languages of the pair: language 1 is Italian,
// language 2 Portuguese.
class PairBaseForms {
public:
    PairBaseForms(const QString &language1Table, const QString &language2Table,
                  const QString &hunspellFolder = SystemDictionaryFolder, const QString &cacheFolder = {});

    // The language of the words searched in a direction (true: language 1).
    const BaseForms &source(bool direction) const { return direction ? m_language1 : m_language2; }
    BaseForms &source(bool direction) { return direction ? m_language1 : m_language2; }
    void loadInBackground() const;

private:
    BaseForms m_language1;
    BaseForms m_language2;
};

} // namespace parlora::morphology
