#include "referencetranslator.h"

#include "plainsearch.h"

#include "phrasebook/phrasebooksearch.h"
#include "words/textrules.h"

namespace parlora::reference {

namespace {
// The plain sweep shows its progress every this many records.
constexpr int ProgressStep = 100;
} // namespace

TranslationResult Translate(const DictionaryData &data, const PersonalDictionary &personal, const QString &typedText,
                            bool direction, const Settings &settings, const LanguageMessages &messages,
                            ProgressSink &progress)
{
    using namespace Message;
    if (typedText.isEmpty())
        return {};

    SearchState state;
    ClearResults(state, progress);
    const MainDictionary &main = data.mainDictionary;
    progress.setProgressMaximum(personal.EntryCount() + main.Count());
    progress.setProgressVisible(true);
    progress.setStatusText(messages.message(SearchingDictionaries));
    progress.repaint(RepaintTarget::MainWindow);

    const QString query = words::PrepareQuery(typedText);
    const QStringList &sources = direction ? main.Language1Entries : main.Language2Entries;
    const QStringList &targets = direction ? main.Language2Entries : main.Language1Entries;
    for (int i = 1; i <= main.Count(); ++i) {
        if (i % ProgressStep == 0)
            progress.setProgressValue(i);
        words::FindExactMatch(state, sources.at(i - 1), query, targets.at(i - 1), settings.PhrasebookSearch);
    }

    progress.setProgressMaximum(data.phrasebook.Count());
    progress.setStatusText(messages.message(SearchingPhrasebook));
    progress.repaint(RepaintTarget::StatusBar);
    if (settings.PhrasebookSearch) {
        phrasebook::SearchPhrasebook(state, query, direction ? data.language1Grammar : data.language2Grammar,
                                     data.phrasebook, direction, progress);
    }
    progress.setStatusText(QString());
    progress.setProgressValue(0);

    words::FindPersonalExactMatches(state, personal, query, direction, settings.PhrasebookSearch);
    progress.repaint(RepaintTarget::TranslationsList);

    if (settings.SimilarWordSearch) {
        progress.setStatusText(messages.message(SearchingSimilarWords));
        progress.repaint(RepaintTarget::MainWindow);
        for (int i = 1; i <= main.Count(); ++i) {
            progress.setProgressMaximum(main.Count());
            if (i % ProgressStep == 0)
                progress.setProgressValue(i);
            words::FindSimilarWords(state, sources.at(i - 1), query);
        }
        words::FindPersonalSimilarWords(state, personal, query, direction);
    } else {
        progress.setStatusText(QString());
    }

    if (!state.ExactFound)
        words::AddListItem(state, ResultList::Translations, messages.message(state.SimilarFound ? OnlySimilarWordsFound : WordNotFound));
    progress.setStatusText(state.SimilarFound ? messages.message(SimilarWordsHint) : QString());
    progress.setProgressValue(0);
    return MakeTranslationResult(state);
}

} // namespace parlora::reference
