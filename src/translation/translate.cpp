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

Translator::Translator(const DictionaryData &data, const PersonalDictionary &personal)
    : m_data(data), m_personal(personal)
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
}

TranslationResult Translator::Translate(const QString &typedText, bool direction, const Settings &settings,
                                        const LanguageMessages &messages, ProgressSink &progress) const
{
    if (typedText.isEmpty())
        return {};

    SearchState state;
    ClearResults(state, progress);
    const int mainCount = m_data.mainDictionary.Count();
    progress.setProgressMaximum(m_personal.EntryCount() + mainCount);
    progress.setProgressVisible(true);
    progress.setStatusText(messages.message(Message::SearchingDictionaries));
    progress.repaint(RepaintTarget::MainWindow);

    const QString query = words::PrepareQuery(typedText);
    const SearchIndex &mainSearch = mainIndex(direction);
    // The index visits only the records that match; the progress bar still
    // moves as the full sweep would move it.
    for (int i = ProgressStep; i <= mainCount; i += ProgressStep)
        progress.setProgressValue(i);
    mainSearch.FindExactMatches(state, query, settings.PhrasebookSearch);

    progress.setProgressMaximum(m_data.phrasebook.Count());
    progress.setStatusText(messages.message(Message::SearchingPhrasebook));
    progress.repaint(RepaintTarget::StatusBar);
    if (settings.PhrasebookSearch) {
        const GrammarList &grammar = direction ? m_data.language1Grammar : m_data.language2Grammar;
        phrasebookIndex(direction).Search(state, query, grammar, progress);
    }
    progress.setStatusText(QString());
    progress.setProgressValue(0);

    const SearchIndex &ownIndex = personalIndex(direction);
    ownIndex.FindExactMatches(state, query, settings.PhrasebookSearch);
    progress.repaint(RepaintTarget::TranslationsList);

    if (settings.SimilarWordSearch) {
        progress.setStatusText(messages.message(Message::SearchingSimilarWords));
        progress.repaint(RepaintTarget::MainWindow);
        if (mainCount > 0)
            progress.setProgressMaximum(mainCount);
        for (int i = ProgressStep; i <= mainCount; i += ProgressStep)
            progress.setProgressValue(i);
        mainSearch.FindSimilarWords(state, query);
        ownIndex.FindSimilarWords(state, query);
    } else {
        progress.setStatusText(QString());
    }

    if (!state.ExactFound) {
        const int line = state.SimilarFound ? Message::OnlySimilarWordsFound : Message::WordNotFound;
        words::AddListItem(state, ResultList::Translations, messages.message(line));
    }
    progress.setStatusText(state.SimilarFound ? messages.message(Message::SimilarWordsHint) : QString());
    progress.setProgressValue(0);
    return MakeTranslationResult(state);
}

} // namespace parlora
