#include "windowbench.h"

#include "dictionary/languagepairloader.h"
#include "translation/translate.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace parlora::bench {

namespace {

constexpr int PersonalEntries = 50000;
constexpr int Repetitions = 5;

DictionaryData shippedData()
{
    DictionaryData data;
    NullProgressSink progress;
    (void)LoadDictionaryFiles(ApplicationFolder(QStringLiteral(PARLORA_DIST)), LanguagePair(), QString(), data,
                              progress);
    return data;
}

Settings allOptions()
{
    Settings settings;
    settings.SimilarWordSearch = true;
    settings.PhrasebookSearch = true;
    return settings;
}

// The first Enter after loading: without preparation it builds the search
// forms itself; prepared in the background (the window starts that right
// after loading), it finds them ready.
void firstTranslation(benchmark::State &state, bool prepared)
{
    static const DictionaryData data = shippedData();
    const PersonalDictionary personal;
    const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;
    for (auto _ : state) {
        state.PauseTiming();
        auto translator = std::make_unique<Translator>(data, personal);
        if (prepared) {
            translator->PrepareInBackground(allOptions());
            // The user is still typing the first word.
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(translator->Translate(QStringLiteral("casa"), true, allOptions(), messages, progress));
        state.PauseTiming();
        translator.reset();
        state.ResumeTiming();
    }
}

// A translation right after an edit of a large personal dictionary: the
// index follows the edit instead of being built again.
void translateAfterPersonalEdit(benchmark::State &state)
{
    static const DictionaryData data = shippedData();
    PersonalDictionary personal;
    personal.StartNew(QString());
    QRandomGenerator random(7);
    for (int i = 0; i < PersonalEntries; ++i) {
        QString word = QStringLiteral("parola%1").arg(random.generate() % 1000000);
        QString translation = QStringLiteral("palavra %1").arg(i);
        personal.InsertEntry(word, translation);
    }
    const Translator translator(data, personal);
    const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;
    translator.Translate(QStringLiteral("casa"), true, allOptions(), messages, progress);
    int next = 0;
    for (auto _ : state) {
        QString word = QStringLiteral("nuova%1").arg(next++);
        QString translation = QStringLiteral("nova");
        personal.InsertEntry(word, translation);
        benchmark::DoNotOptimize(translator.Translate(QStringLiteral("casa"), true, allOptions(), messages, progress));
    }
}

} // namespace

void registerWindowBenchmarks()
{
    benchmark::RegisterBenchmark("BM_FirstTranslationUnprepared", firstTranslation, false)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("BM_FirstTranslationPreparedInBackground", firstTranslation, true)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("BM_TranslateAfterPersonalEdit50000", translateAfterPersonalEdit)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(50)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly(true);
}

} // namespace parlora::bench
