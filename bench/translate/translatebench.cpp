#include "baseformsbench.h"
#include "windowbench.h"
#include "generateddata.h"
#include "referencetranslator.h"

#include "dictionary/languagepairloader.h"
#include "translation/translate.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using namespace parlora;

constexpr quint32 DataSeed = 20261206;
constexpr quint32 QuerySeed = 7;
constexpr int QueryCount = 48;

// The largest data, made once in main and handed to every benchmark.
struct Fixture {
    generated::Data data = generated::MakeData(DataSeed);
    PersonalDictionary personal;
    QList<generated::Query> queries;
    LanguageMessages messages = LanguageMessages::builtIn();
    Settings settings;

    Fixture()
    {
        generated::FillPersonalDictionary(personal, data);
        queries = generated::MakeQueries(data, QuerySeed, QueryCount);
        settings.SimilarWordSearch = true;
        settings.PhrasebookSearch = true;
    }
};

// Time per query: each iteration translates the next query of the mix. The
// translator is built and has seen both directions before timing starts.
void translateAllOptions(benchmark::State &state, const Fixture &f)
{
    const Translator translator(f.data.dictionary, f.personal);
    NullProgressSink progress;
    for (bool direction : {false, true})
        translator.Translate(QStringLiteral("casa"), direction, f.settings, f.messages, progress);
    qsizetype next = 0;
    for (auto _ : state) {
        const generated::Query &query = f.queries.at(next);
        next = (next + 1) % f.queries.size();
        benchmark::DoNotOptimize(translator.Translate(query.text, query.direction, f.settings, f.messages, progress));
    }
}

void translateReference(benchmark::State &state, const Fixture &f)
{
    NullProgressSink progress;
    qsizetype next = 0;
    for (auto _ : state) {
        const generated::Query &query = f.queries.at(next);
        next = (next + 1) % f.queries.size();
        benchmark::DoNotOptimize(reference::Translate(f.data.dictionary, f.personal, query.text, query.direction,
                                                      f.settings, f.messages, progress));
    }
}

void loadAll(benchmark::State &state, const Fixture &f)
{
    QTemporaryDir folder;
    if (!folder.isValid() || !generated::WriteDataFiles(f.data, folder.path())) {
        state.SkipWithError("cannot write the data files");
        return;
    }
    const ApplicationFolder application(folder.path());
    const DataLocations locations = chooseDataLocations(folder.path(), true, LanguagePair().PersonalDictionaryFile, {});
    NullProgressSink progress;
    for (auto _ : state) {
        DictionaryData data;
        PersonalDictionary personal;
        const LoadResult result =
            LoadLanguagePair(application, folder.path(), LanguagePair(), locations, QString(), data, personal, progress);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(data);
    }
}

// Each translation benchmark runs whole rounds of the query mix.
constexpr int FastRounds = 10;
constexpr int ReferenceRounds = 1;
constexpr int FastRepetitions = 5;
constexpr int ReferenceRepetitions = 3;
constexpr int LoadRepetitions = 5;

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    const Fixture fixture;
    benchmark::RegisterBenchmark("BM_TranslateAllOptions", translateAllOptions, std::cref(fixture))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(FastRounds * QueryCount)
        ->Repetitions(FastRepetitions)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("BM_TranslateReference", translateReference, std::cref(fixture))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(ReferenceRounds * QueryCount)
        ->Repetitions(ReferenceRepetitions)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("BM_LoadAll", loadAll, std::cref(fixture))
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(LoadRepetitions)
        ->ReportAggregatesOnly(true);
    bench::registerBaseFormBenchmarks();
    bench::registerWindowBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
