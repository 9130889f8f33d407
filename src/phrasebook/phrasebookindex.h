#pragma once

#include "dictionary/wordlists.h"
#include "words/searchstate.h"

#include <QHash>
#include <QList>
#include <QString>

namespace parlora::phrasebook {

// The phrases of one side of a phrasebook listed by the words of their
// search form, so that a rewritten query finds its phrases without scanning
// them all. Gives the same blocks, in the same order, as SearchPhrasebook
// (which has no base forms).
class PhrasebookIndex {
public:
    PhrasebookIndex(const Phrasebook &phrasebook, bool direction);

    // The phrases holding a rewrite of the query, rule by rule, then those
    // holding one of the base forms and not found yet. Words compare without
    // regard to case, as a reader would.
    void Search(SearchState &state, const QString &query, const GrammarList &grammar,
                const QStringList &baseForms = {}) const;

    // Whether the index was built from this very phrasebook, not one loaded
    // since: a changed list no longer shares its data with the index's copy.
    bool isBuiltFrom(const Phrasebook &phrasebook) const;

private:
    // Phrases (in order, each once) whose search form holds " " + word + " ".
    QList<int> phrasesHolding(const QString &word) const;
    void indexWords() const;
    void appendPhrase(SearchState &state, int phrase, const QString &word) const;

    // A copy that shares the phrases with the loaded phrasebook.
    Phrasebook m_phrasebook;
    bool m_direction;
    // The searched side of every phrase in lower case; the words of the index
    // are views into these texts.
    QStringList m_lowered;
    mutable QHash<QStringView, QList<int>> m_phrasesByWord;
    mutable bool m_wordsIndexed = false;
    mutable int m_searches = 0;
};

} // namespace parlora::phrasebook
