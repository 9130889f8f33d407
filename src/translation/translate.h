#pragma once

#include "dictionary/languagepairloader.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/progresssink.h"
#include "dictionary/settings.h"
#include "localisation/builtinmessages.h"
#include "localisation/languagemessages.h"
#include "morphology/baseforms.h"
#include "phrasebook/phrasebookindex.h"
#include "translation/searchindex.h"
#include "words/searchstate.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <future>
#include <optional>

namespace parlora {

// A line of the translations list found through the base form of the
// query; a double-click on it looks the base form up.
struct BaseFormLine {
    QString text;
    QString baseForm;
};

// Everything one translation produces. When the query matches no entry as a
// whole, the entries that are its base forms are shown instead: their lines
// come after the personal dictionary's, each as "query » entry --> target".
struct TranslationResult {
    bool ran = false;             // false: the input was empty, only the lists were cleared
    QStringList translations;     // lstTraduzioni, in order
    QStringList similarWords;     // lstSimili, in order
    QString resultText;           // Text1 (only meaningful when ran)
    bool ExactFound = false;      // also when found through a base form
    bool SimilarFound = false;
    QList<AddedLine> addedLines;  // both lists interleaved, in adding order
    QList<MatchedPair> matches;   // the pairs behind the translations' lines
    // Lines of translations that come from base forms (only when nothing
    // matched the query as a whole).
    QList<BaseFormLine> baseFormLines;
};

// The progress bar moves once per phase: the main dictionary, the
// phrasebook, the personal dictionary, the similar words.
inline constexpr int TranslationPhases = 4;

// Starts a translation afresh: empty search state and status text. The window
// also empties its result text (the state's resultText stands for it).
void ClearResults(SearchState &state, ProgressSink &progress);

// Turns a finished search state into the result the window shows.
TranslationResult MakeTranslationResult(const SearchState &state);

// The searches' view of the loaded data. The search forms of each direction
// are prepared on its first translation (or ahead of it, in the background),
// and again whenever the dictionary files they came from have changed; the
// personal dictionary's follow every edit of the store, one change at a time.
class Translator {
public:
    // Without base forms, an inflected word that is no entry finds nothing.
    Translator(const DictionaryData &data, const PersonalDictionary &personal,
               const morphology::PairBaseForms *baseForms = nullptr);

    // One translation run of the typed text, with status texts and progress
    // reported in order.
    TranslationResult Translate(const QString &typedText, bool direction, const Settings &settings,
                                const LanguageMessages &messages, ProgressSink &progress) const;

    // Prepares the search forms of a direction now rather than on its first
    // translation, for a caller that has a moment to spare; the base forms
    // load in the background.
    void Prepare(bool direction, const Settings &settings) const;
    // Prepares the main dictionary's search forms of both directions on
    // another thread, right after loading, so that the first translation
    // is as quick as the later ones; a translation that comes earlier waits
    // for them. The dictionary must not change meanwhile.
    void PrepareInBackground(const Settings &settings) const;

    // Searches the main dictionary through indexes made elsewhere (a mapped
    // index file) instead of building them from the dictionary's lists.
    void UseMainIndexes(const IndexView &language1, const IndexView &language2);

private:
    static int directionIndex(bool direction) { return direction ? 1 : 0; }
    const IndexView &mainIndex(bool direction) const;
    const phrasebook::PhrasebookIndex &phrasebookIndex(bool direction) const;
    const SearchIndex &personalIndex(bool direction) const;
    void adoptPreparedIndexes() const;
    QStringList baseFormEntries(const QString &query, bool direction, const Settings &settings) const;
    void addBaseFormLines(SearchState &state, TranslationResult &result, const QString &query,
                          const QStringList &baseForms, bool direction, const LanguageMessages &messages) const;

    const DictionaryData &m_data;
    const PersonalDictionary &m_personal;
    const morphology::PairBaseForms *m_baseForms;
    // A main index and the lists it was built from (shared, not copied: a
    // list that has changed since no longer shares its data).
    struct BuiltIndex {
        std::optional<SearchIndex> index;
        QStringList sources;
        QStringList targets;
    };
    // The personal index and the store's revision it shows.
    struct PersonalIndex {
        std::optional<SearchIndex> index;
        quint64 revision = 0;
    };
    // Indexed by directionIndex.
    mutable std::array<BuiltIndex, 2> m_main;
    std::array<const IndexView *, 2> m_external{};
    mutable std::future<std::array<BuiltIndex, 2>> m_preparing;
    mutable std::array<std::optional<phrasebook::PhrasebookIndex>, 2> m_phrasebook;
    mutable std::array<PersonalIndex, 2> m_personalCache;
};

} // namespace parlora
