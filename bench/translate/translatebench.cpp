#include "generateddata.h"
#include "referencetranslator.h"

#include "dictionary/languagepairloader.h"
#include "translation/translate.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace parlora;

constexpr quint32 DataSeed = 20261206;
constexpr quint32 QuerySeed = 7;
constexpr int QueryCount = 48;

// One set of the largest data, shared by the benchmarks of this run.
struct Fixture {
    generated::Data data = generated::MakeData(DataSeed);
    PersonalDictionary personal;
    QList<generated::Query> queries;
    LanguageMessages messages{QStringList{"Loading", "Searching", "Similar", "Only similar words", "Not found"}};
    Settings settings;

    Fixture()
    {
        generated::FillPersonalDictionary(personal, data);
        queries = generated::MakeQueries(data, QuerySeed, QueryCount);
        settings.SimilarWordSearch = true;
        settings.PhrasebookSearch = true;
    }
};

Fixture &fixture()
{
    static Fixture shared;
    return shared;
}

// Time per query: each iteration translates one query of the mix in turn.
void BM_TranslateAllOptions(benchmark::State &state)
{
    Fixture &f = fixture();
    const Translator translator(f.data.dictionary, f.personal);
    NullProgressSink progress;
    qsizetype next = 0;
    for (auto _ : state) {
        const generated::Query &query = f.queries.at(next);
        next = (next + 1) % f.queries.size();
        benchmark::DoNotOptimize(translator.Translate(query.text, query.direction, f.settings, f.messages, progress));
    }
}
BENCHMARK(BM_TranslateAllOptions)->Unit(benchmark::kMillisecond)->Iterations(480)->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_TranslateReference(benchmark::State &state)
{
    Fixture &f = fixture();
    NullProgressSink progress;
    qsizetype next = 0;
    for (auto _ : state) {
        const generated::Query &query = f.queries.at(next);
        next = (next + 1) % f.queries.size();
        benchmark::DoNotOptimize(reference::Translate(f.data.dictionary, f.personal, query.text, query.direction,
                                                      f.settings, f.messages, progress));
    }
}
BENCHMARK(BM_TranslateReference)->Unit(benchmark::kMillisecond)->Iterations(48)->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_LoadAll(benchmark::State &state)
{
    Fixture &f = fixture();
    QTemporaryDir folder;
    if (!folder.isValid() || !generated::WriteDataFiles(f.data, folder.path())) {
        state.SkipWithError("cannot write the data files");
        return;
    }
    const ApplicationFolder application(folder.path());
    NullProgressSink progress;
    for (auto _ : state) {
        DictionaryData data;
        PersonalDictionary personal;
        const LoadResult result =
            LoadLanguagePair(application, folder.path(), LanguagePair(), QString(), data, personal, progress);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_LoadAll)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
