#include "translation/translate.h"

#include "words/textrules.h"

namespace parlora {

void ClearResults(SearchState &state, ProgressSink &progress)
{
    state.reset();
    progress.setStatusText(QString());
}

TranslationResult MakeTranslationResult(const SearchState &state)
{
    TranslationResult result;
    result.ran = true;
    result.translations = state.translations;
    result.similarWords = state.similarWords;
    result.resultText = state.resultText;
    result.ExactFound = state.ExactFound;
    result.SimilarFound = state.SimilarFound;
    result.addedLines = state.addedLines;
    return result;
}

Translator::Translator(const DictionaryData &data, const PersonalDictionary &personal,
                       const morphology::PairBaseForms *baseForms)
    : m_data(data), m_personal(personal), m_baseForms(baseForms)
{
}

const SearchIndex &Translator::mainIndex(bool direction) const
{
    const MainDictionary &main = m_data.mainDictionary;
    const QStringList &sources = direction ? main.Language1Entries : main.Language2Entries;
    const QStringList &targets = direction ? main.Language2Entries : main.Language1Entries;
    std::optional<SearchIndex> &index = m_main[directionIndex(direction)];
    if (!index || !index->isBuiltFrom(sources, targets))
        index.emplace(sources, targets);
    return *index;
}

const phrasebook::PhrasebookIndex &Translator::phrasebookIndex(bool direction) const
{
    std::optional<phrasebook::PhrasebookIndex> &index = m_phrasebook[directionIndex(direction)];
    if (!index || !index->isBuiltFrom(m_data.phrasebook))
        index.emplace(m_data.phrasebook, direction);
    return *index;
}

const SearchIndex &Translator::personalIndex(bool direction) const
{
    const QStringList &sources = direction ? m_personal.Words() : m_personal.Translations();
    const QStringList &targets = direction ? m_personal.Translations() : m_personal.Words();
    std::optional<SearchIndex> &cached = m_personalCache[directionIndex(direction)];
    if (!cached || !cached->isBuiltFrom(sources, targets))
        cached.emplace(sources, targets);
    return *cached;
}

void Translator::Prepare(bool direction, const Settings &settings) const
{
    const SearchIndex &main = mainIndex(direction);
    const SearchIndex &own = personalIndex(direction);
    if (settings.PhrasebookSearch)
        phrasebookIndex(direction);
    if (settings.SimilarWordSearch) {
        main.PrepareSimilarCandidates();
        own.PrepareSimilarCandidates();
    }
    if (m_baseForms && settings.BaseFormSearch)
        m_baseForms->loadInBackground();
}

QStringList Translator::baseFormEntries(const QString &query, bool direction, const Settings &settings) const
{
    if (!m_baseForms || !settings.BaseFormSearch || query.isEmpty())
        return {};
    const SearchIndex &main = mainIndex(direction);
    const SearchIndex &own = personalIndex(direction);
    // Only for a word that is no entry: what a found word shows stays as it
    // always was.
    if (main.HasWholeEntry(query) || own.HasWholeEntry(query))
        return {};
    QStringList entries;
    // Every candidate that is an entry counts: case may be a form of caso
    // and of casa.
    for (const QString &candidate : m_baseForms->source(direction).candidates(query)) {
        if (main.HasWholeEntry(candidate) || own.HasWholeEntry(candidate))
            entries.append(candidate);
    }
    return entries;
}

void Translator::addBaseFormLines(SearchState &state, TranslationResult &result, const QString &query,
                                  const QStringList &baseForms, bool direction,
                                  const LanguageMessages &messages) const
{
    for (const QString &base : baseForms) {
        for (const SearchIndex *index : {&mainIndex(direction), &personalIndex(direction)}) {
            for (int record : index->WholeEntryRecords(base)) {
                const QString line = messages.message(Message::BaseFormLine)
                                         .arg(query, index->Source(record) + words::MatchSeparator + index->Target(record));
                const qsizetype before = state.translations.size();
                words::AddListItem(state, ResultList::Translations, line);
                if (state.translations.size() == before)
                    continue;
                result.baseFormLines.append({line, base});
                // The similar-word search need not offer the entry again.
                state.FoundText += index->Source(record);
                state.ExactFound = true;
            }
        }
    }
}

TranslationResult Translator::Translate(const QString &typedText, bool direction, const Settings &settings,
                                        const LanguageMessages &messages, ProgressSink &progress) const
{
    if (typedText.isEmpty())
        return {};

    SearchState state;
    ClearResults(state, progress);
    progress.setProgressMaximum(TranslationPhases);
    progress.setProgressValue(0);
    progress.setProgressVisible(true);
    progress.setStatusText(messages.message(Message::SearchingDictionaries));
    progress.repaint(RepaintTarget::MainWindow);

    const QString query = words::PrepareQuery(typedText);
    const QStringList baseForms = baseFormEntries(query, direction, settings);
    const SearchIndex &mainSearch = mainIndex(direction);
    mainSearch.FindExactMatches(state, query, settings.PhrasebookSearch);
    progress.setProgressValue(1);

    progress.setStatusText(messages.message(Message::SearchingPhrasebook));
    progress.repaint(RepaintTarget::StatusBar);
    if (settings.PhrasebookSearch) {
        const GrammarList &grammar = direction ? m_data.language1Grammar : m_data.language2Grammar;
        phrasebookIndex(direction).Search(state, query, grammar, baseForms);
    }
    progress.setStatusText(QString());
    progress.setProgressValue(2);

    const SearchIndex &ownIndex = personalIndex(direction);
    ownIndex.FindExactMatches(state, query, settings.PhrasebookSearch);
    TranslationResult baseFormResult;
    addBaseFormLines(state, baseFormResult, query, baseForms, direction, messages);
    progress.setProgressValue(3);
    progress.repaint(RepaintTarget::TranslationsList);

    if (settings.SimilarWordSearch) {
        progress.setStatusText(messages.message(Message::SearchingSimilarWords));
        progress.repaint(RepaintTarget::MainWindow);
        mainSearch.FindSimilarWords(state, query);
        ownIndex.FindSimilarWords(state, query);
    } else {
        progress.setStatusText(QString());
    }

    if (!state.ExactFound) {
        const int line = state.SimilarFound ? Message::OnlySimilarWordsFound : Message::WordNotFound;
        words::AddListItem(state, ResultList::Translations, messages.message(line));
    }
    if (!baseFormResult.baseFormLines.isEmpty())
        progress.setStatusText(messages.message(Message::BaseFormStatus).arg(query));
    else
        progress.setStatusText(state.SimilarFound ? messages.message(Message::SimilarWordsHint) : QString());
    progress.setProgressValue(TranslationPhases);
    progress.setProgressVisible(false);

    TranslationResult result = MakeTranslationResult(state);
    result.baseFormLines = std::move(baseFormResult.baseFormLines);
    return result;
}

} // namespace parlora
