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
    result.matches = state.matches;
    return result;
}

Translator::Translator(const DictionaryData &data, const PersonalDictionary &personal,
                       const morphology::PairBaseForms *baseForms)
    : m_data(data), m_personal(personal), m_baseForms(baseForms)
{
}

namespace {

bool sameLists(const QStringList &a, const QStringList &b)
{
    return a.size() == b.size() && a.constData() == b.constData();
}

} // namespace

void Translator::UseMainIndexes(const IndexView &language1, const IndexView &language2)
{
    m_external = {&language2, &language1};
}

void Translator::PrepareInBackground(const Settings &settings) const
{
    if (m_external[0] || m_preparing.valid())
        return;
    const MainDictionary main = m_data.mainDictionary; // shares the lists
    const bool similar = settings.SimilarWordSearch;
    m_preparing = std::async(std::launch::async, [main, similar] {
        std::array<BuiltIndex, 2> built;
        for (const bool direction : {false, true}) {
            BuiltIndex &slot = built[directionIndex(direction)];
            slot.sources = direction ? main.Language1Entries : main.Language2Entries;
            slot.targets = direction ? main.Language2Entries : main.Language1Entries;
            slot.index.emplace(slot.sources, slot.targets);
            if (similar)
                slot.index->PrepareSimilarCandidates();
        }
        return built;
    });
    if (m_baseForms && settings.BaseFormSearch)
        m_baseForms->loadInBackground();
}

void Translator::adoptPreparedIndexes() const
{
    if (!m_preparing.valid())
        return;
    std::array<BuiltIndex, 2> built = m_preparing.get();
    for (int d = 0; d < 2; ++d) {
        if (!m_main[d].index)
            m_main[d] = std::move(built[d]);
    }
}

const IndexView &Translator::mainIndex(bool direction) const
{
    if (const IndexView *external = m_external[directionIndex(direction)])
        return *external;
    adoptPreparedIndexes();
    const MainDictionary &main = m_data.mainDictionary;
    const QStringList &sources = direction ? main.Language1Entries : main.Language2Entries;
    const QStringList &targets = direction ? main.Language2Entries : main.Language1Entries;
    BuiltIndex &built = m_main[directionIndex(direction)];
    if (!built.index || !sameLists(built.sources, sources) || !sameLists(built.targets, targets)) {
        built.sources = sources;
        built.targets = targets;
        built.index.emplace(sources, targets);
    }
    return *built.index;
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
    PersonalIndex &cached = m_personalCache[directionIndex(direction)];
    if (cached.index && cached.revision == m_personal.revision())
        return *cached.index;
    // An edit or two since the last translation: follow them rather than
    // building the whole index again.
    const std::optional<QList<EntryChange>> changes =
        cached.index ? m_personal.ChangesSince(cached.revision) : std::nullopt;
    if (changes && changes->size() == 1) {
        // The lists are the store's own, already changed: one step behind is
        // the only state the index can follow (with more, a position of an
        // earlier change may name a different record by now).
        const EntryChange &change = changes->front();
        if (change.inserted)
            cached.index->InsertRecord(change.index);
        else
            cached.index->RemoveRecord(change.index);
    } else if (!changes || !changes->isEmpty()) {
        cached.index.emplace(&sources, &targets);
    }
    cached.revision = m_personal.revision();
    return *cached.index;
}

void Translator::Prepare(bool direction, const Settings &settings) const
{
    const IndexView &main = mainIndex(direction);
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
    const IndexView &main = mainIndex(direction);
    const IndexView &own = personalIndex(direction);
    const auto isEntry = [&](const QString &word) {
        return !WholeEntryRecords(main, word).empty() || !WholeEntryRecords(own, word).empty();
    };
    // Only for a word that is no entry: what a found word shows stays as it
    // always was.
    if (isEntry(query))
        return {};
    // Every base form that is an entry counts: case may be a form of caso
    // and of casa.
    return m_baseForms->source(direction).baseForms(query, isEntry);
}

void Translator::addBaseFormLines(SearchState &state, TranslationResult &result, const QString &query,
                                  const QStringList &baseForms, bool direction,
                                  const LanguageMessages &messages) const
{
    for (const QString &base : baseForms) {
        for (const IndexView *index : {&mainIndex(direction), static_cast<const IndexView *>(&personalIndex(direction))}) {
            for (qint32 record : WholeEntryRecords(*index, base)) {
                const QString line =
                    messages.message(Message::BaseFormLine)
                        .arg(query, index->Source(record).toString() + words::MatchSeparator
                                        + index->Target(record).toString());
                const qsizetype before = state.translations.size();
                words::AddListItem(state, ResultList::Translations, line);
                if (state.translations.size() == before)
                    continue;
                result.baseFormLines.append({line, base});
                state.matches.append({index->Source(record).toString(), index->Target(record).toString(), base});
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
    const IndexView &mainSearch = mainIndex(direction);
    FindExactMatches(mainSearch, state, query, settings.PhrasebookSearch);
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
    FindExactMatches(ownIndex, state, query, settings.PhrasebookSearch);
    TranslationResult baseFormResult;
    addBaseFormLines(state, baseFormResult, query, baseForms, direction, messages);
    progress.setProgressValue(3);
    progress.repaint(RepaintTarget::TranslationsList);

    if (settings.SimilarWordSearch) {
        progress.setStatusText(messages.message(Message::SearchingSimilarWords));
        progress.repaint(RepaintTarget::MainWindow);
        FindSimilarWords(mainSearch, state, query);
        FindSimilarWords(ownIndex, state, query);
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
