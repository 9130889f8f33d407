#include "baseformsbench.h"

#include "dictionary/languagepairloader.h"
#include "morphology/baseforms.h"
#include "translation/translate.h"

#include <benchmark/benchmark.h>

#include <iterator>

namespace parlora::bench {

namespace {

struct InflectedWord {
    bool italian;
    const char *text;
};

// Forms a learner types in the first years, none of them a headword.
constexpr InflectedWord InflectedWords[] = {
    {true, "parliamo"}, {true, "andrò"},      {true, "vengono"},    {true, "uomini"},
    {true, "dimmi"},                 {true, "mangiarlo"},  {true, "libri"},      {true, "guardato"},
    {true, "capisco"},               {true, "facendolo"},  {false, "falamos"},   {false, "fiz"},
    {false, "disse"},                {false, "pães"},      {false, "corações"},  {false, "diga-me"},
    {false, "fazê-lo"},              {false, "ovos"},      {false, "idéia"},     {false, "professora"},
};

constexpr int Repetitions = 5;

struct ShippedData {
    DictionaryData data;
    PersonalDictionary personal;
    morphology::PairBaseForms baseForms;
    LanguageMessages messages = LanguageMessages::builtIn();

    ShippedData()
        : baseForms(QStringLiteral(PARLORA_DIST "/dic/ital.forms"), QStringLiteral(PARLORA_DIST "/dic/portugal.forms"))
    {
        NullProgressSink progress;
        (void)LoadDictionaryFiles(ApplicationFolder(QStringLiteral(PARLORA_DIST)), LanguagePair(), QString(), data,
                                  progress);
    }
};

void translateInflected(benchmark::State &state, bool baseForms)
{
    static const ShippedData shipped;
    const Translator translator(shipped.data, shipped.personal, &shipped.baseForms);
    Settings settings;
    settings.SimilarWordSearch = true;
    settings.BaseFormSearch = baseForms;
    NullProgressSink progress;
    // Indexes and dictionaries are ready before timing starts, as they are
    // in the window after loading.
    for (const InflectedWord &word : InflectedWords)
        translator.Translate(QString::fromUtf8(word.text), word.italian, settings, shipped.messages, progress);
    std::size_t next = 0;
    for (auto _ : state) {
        const InflectedWord &word = InflectedWords[next];
        next = (next + 1) % std::size(InflectedWords);
        benchmark::DoNotOptimize(
            translator.Translate(QString::fromUtf8(word.text), word.italian, settings, shipped.messages, progress));
    }
}

void loadBaseForms(benchmark::State &state, bool italian)
{
    for (auto _ : state) {
        const morphology::PairBaseForms forms(QStringLiteral(PARLORA_DIST "/dic/ital.forms"),
                                              QStringLiteral(PARLORA_DIST "/dic/portugal.forms"));
        benchmark::DoNotOptimize(forms.source(italian).tableLoadResult().ok);
        benchmark::DoNotOptimize(forms.source(italian).hunspellLoaded());
    }
}

} // namespace

void registerBaseFormBenchmarks()
{
    for (const bool on : {false, true}) {
        benchmark::RegisterBenchmark(on ? "BM_TranslateInflectedBaseFormsOn" : "BM_TranslateInflectedBaseFormsOff",
                                     translateInflected, on)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10 * int(std::size(InflectedWords)))
            ->Repetitions(Repetitions)
            ->ReportAggregatesOnly(true);
    }
    for (const bool italian : {true, false}) {
        benchmark::RegisterBenchmark(italian ? "BM_LoadBaseFormsItalian" : "BM_LoadBaseFormsPortuguese",
                                     loadBaseForms, italian)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(Repetitions)
            ->ReportAggregatesOnly(true);
    }
}

} // namespace parlora::bench
