// Loading the personal dictionary at start-up: the file may be in any order
// (edited by hand, merged, or written by older versions), and loading must
// still feel instant.

#include "dictionary/personaldictionary.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int WordLength = 8;
constexpr quint32 Seed = 2024;

// Random lower-case words with some accented letters, in random order, two
// lines per entry as the program writes them.
QStringList randomEntryLines(int entries)
{
    const QString letters = QStringLiteral("abcdefghilmnopqrstuvzàèéìòùçã");
    QRandomGenerator random(Seed);
    QStringList lines;
    lines.reserve(entries * 2);
    for (int i = 0; i < entries; ++i) {
        QString word;
        for (int c = 0; c < WordLength; ++c)
            word += letters.at(random.bounded(letters.size()));
        lines << word << QStringLiteral("traduzione %1").arg(i);
    }
    return lines;
}

void LoadRandomOrder(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.per"));
    if (!parlora::writeTextLines(path, randomEntryLines(int(state.range(0))))) {
        state.SkipWithError("cannot write the dictionary file");
        return;
    }
    for (auto _ : state) {
        parlora::PersonalDictionary dictionary;
        const parlora::SaveResult loaded = dictionary.LoadPersonalDictionary(path);
        benchmark::DoNotOptimize(loaded.ok);
        benchmark::DoNotOptimize(dictionary.EntryCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(LoadRandomOrder)->Arg(20000)->Unit(benchmark::kMillisecond);

void SaveRandomOrder(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.per"));
    (void)parlora::writeTextLines(path, randomEntryLines(int(state.range(0))));
    parlora::PersonalDictionary dictionary;
    if (!dictionary.LoadPersonalDictionary(path)) {
        state.SkipWithError("cannot load the dictionary file");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(dictionary.SavePersonalDictionary().ok);
}
BENCHMARK(SaveRandomOrder)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
