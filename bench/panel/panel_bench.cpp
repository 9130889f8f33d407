// The personal dictionary panel with a large list: an insert and an undo
// must feel instant, so the list is told only which row came or went.

#include "dictionary/personaldictionary.h"
#include "platform/textfile.h"
#include "localisation/interfacelanguage.h"
#include "mainwindow/personalpanel.h"
#include "mainwindow/userprompts.h"
#include "mainwindow/textfield.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 50000;
constexpr int WordLength = 8;
constexpr quint32 Seed = 2024;
constexpr int Repetitions = 9;

// The panel only warns on refused input, which the benchmark never types.
class SilentPrompts final : public parlora::UserPrompts {
public:
    void warning(QWidget *, const QString &, const QString &) override {}
    void inform(QWidget *, const QString &, const QString &) override {}
    bool retryAfterFailure(QWidget *, const QString &, const QString &, const QString &) override { return false; }
};

QString randomWord(QRandomGenerator &random)
{
    const QString letters = QStringLiteral("abcdefghilmnopqrstuvz\u00e0\u00e8\u00e9\u00ec\u00f2\u00f9\u00e7\u00e3");
    QString word;
    for (int c = 0; c < WordLength; ++c)
        word += letters.at(random.bounded(letters.size()));
    return word;
}

// A shown panel over a personal dictionary of Entries random pairs, loaded
// from a file as at start-up.
class LargePanel {
public:
    LargePanel() : m_language(parlora::ApplicationFolder(m_dir.path()))
    {
        QRandomGenerator random(Seed);
        QStringList lines;
        for (int i = 0; i < Entries; ++i)
            lines << randomWord(random) << QStringLiteral("traduzione %1").arg(i);
        const QString file = m_dir.filePath(QStringLiteral("portital.per"));
        m_ok = parlora::writeTextLines(file, lines).ok && m_store.LoadPersonalDictionary(file).ok;
        m_panel = std::make_unique<parlora::PersonalPanel>(m_store, m_language, m_prompts);
        m_panel->resize(m_panel->sizeHint());
        m_panel->show();
        QCoreApplication::processEvents();
    }

    bool ok() const { return m_ok && m_store.EntryCount() == Entries; }

    // Types a pair as the user would and inserts it; unless told otherwise,
    // the list is laid out and painted before the time stops.
    void insert(QRandomGenerator &random, bool paint = true)
    {
        m_panel->wordField()->setText(randomWord(random));
        m_panel->translationField()->setText(QStringLiteral("nuova"));
        m_panel->insertPair();
        if (paint)
            QCoreApplication::processEvents();
    }
    void undo()
    {
        m_panel->undo();
        QCoreApplication::processEvents();
    }

private:
    QTemporaryDir m_dir;
    parlora::PersonalDictionary m_store;
    parlora::InterfaceLanguage m_language;
    SilentPrompts m_prompts;
    std::unique_ptr<parlora::PersonalPanel> m_panel;
    bool m_ok = false;
};

// The store and the list's rows only, or with the list laid out and painted.
void PanelInsert(benchmark::State &state, bool paint)
{
    LargePanel panel;
    if (!panel.ok())
        return state.SkipWithError("cannot load the personal dictionary");
    QRandomGenerator random(Seed + 1);
    for (auto _ : state) {
        panel.insert(random, paint);
        state.PauseTiming();
        panel.undo();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(PanelInsert, Painted, true)
    ->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(PanelInsert, RowsOnly, false)
    ->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

void PanelUndo(benchmark::State &state)
{
    LargePanel panel;
    if (!panel.ok())
        return state.SkipWithError("cannot load the personal dictionary");
    QRandomGenerator random(Seed + 2);
    for (auto _ : state) {
        state.PauseTiming();
        panel.insert(random);
        state.ResumeTiming();
        panel.undo();
    }
}
BENCHMARK(PanelUndo)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    // No display is needed: the panel is laid out and painted off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
