#include "dictionary/personalexchange.h"
#include "dictionary/searchhistory.h"
#include "testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;
using namespace parlora::exchange;

namespace {

PersonalDictionary storeWith(const QList<std::pair<QString, QString>> &pairs)
{
    PersonalDictionary store;
    store.StartNew(QString());
    for (auto [word, translation] : pairs)
        EXPECT_TRUE(store.InsertEntry(word, translation));
    return store;
}

// Accents, quotes, commas and a line-break-free tab: CSV keeps them all and
// comes back the same; TSV leaves the tab out and says so.
TEST(PersonalExchange, ExportAndImportGiveTheSamePairs)
{
    const QList<std::pair<QString, QString>> pairs{
        {"perché", "porquê"}, {"virgola, punto", "vírgula, ponto"}, {"\"citazione\"", "\"citação\" é"},
        {"tab\tbe", "separado"}, {"città", "cidade"}};
    const PersonalDictionary original = storeWith(pairs);

    for (const Format format : {Format::Csv, Format::Tsv}) {
        SCOPED_TRACE(format == Format::Csv ? "csv" : "tsv");
        const Export exported = exportPairs(original, format);
        EXPECT_EQ(exported.leftOut, format == Format::Tsv ? 1 : 0);
        EXPECT_EQ(exported.written + exported.leftOut, pairs.size());
        const PersonalDictionary empty = storeWith({});
        const ImportPlan plan = planImport(empty, exported.bytes, format);
        EXPECT_TRUE(plan.refused.isEmpty());
        EXPECT_EQ(plan.toAdd.size(), exported.written);
        PersonalDictionary restored = storeWith({});
        restored.InsertEntries(plan.toAdd);
        QStringList expected = original.RenderEntries();
        if (format == Format::Tsv)
            expected.removeIf([](const QString &line) { return line.contains(u'\t'); });
        EXPECT_EQ(restored.RenderEntries(), expected);
    }
}

TEST(PersonalExchange, ImportCountsWhatItAddsWhatIsThereAndWhatItRefuses)
{
    const PersonalDictionary store = storeWith({{"casa", "casa"}});
    const QByteArray tsv = "Italiano\tPortugu\xc3\xaas\n"  // header, skipped
                           "casa\tcasa\n"                   // 2: there already
                           "cane\tc\xc3\xa3o\n"             // 3: added
                           "cane\tc\xc3\xa3o\n"             // 4: now there
                           "solo\n"                          // 5: one field
                           "a\tb\tc\n"                       // 6: a tab in the data
                           "vuoto\t \n"                      // 7: empty side
                           "freccia \xe2\x86\x92\tseta\n"   // 8: not in the code page
                           + QByteArray(51, 'x') + "\tlong\n"; // 9: too long
    const ImportPlan plan = planImport(store, tsv, Format::Tsv);
    EXPECT_EQ(plan.toAdd, (QList<std::pair<QString, QString>>{{"cane", "cão"}}));
    EXPECT_EQ(plan.alreadyPresent, 2);
    const QList<std::pair<qsizetype, Refusal>> refused{{5, Refusal::NotAPair},     {6, Refusal::NotAPair},
                                                       {7, Refusal::EmptySide},    {8, Refusal::UnstorableCharacter},
                                                       {9, Refusal::TooLong}};
    ASSERT_EQ(plan.refused.size(), refused.size());
    for (qsizetype i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(plan.refused.at(i).line, refused.at(i).first);
        EXPECT_EQ(plan.refused.at(i).reason, refused.at(i).second);
    }

    // Another installation's own file, in its code page and line ends.
    const ImportPlan fromFile = planImport(store, "mare\r\nmar\r\ncasa\r\ncasa\r\n", Format::PersonalFile);
    EXPECT_EQ(fromFile.toAdd, (QList<std::pair<QString, QString>>{{"mare", "mar"}}));
    EXPECT_EQ(fromFile.alreadyPresent, 1);
    EXPECT_EQ(formatForFile("dizionario.CSV"), Format::Csv);
    EXPECT_EQ(formatForFile("portital.per"), Format::PersonalFile);
}

TEST(PersonalExchange, AnImportIsOneUndoableStep)
{
    PersonalDictionary store = storeWith({{"casa", "casa"}});
    store.InsertEntries({{"cane", "cão"}, {"gatto", "gato"}, {"ape", "abelha"}});
    EXPECT_EQ(store.EntryCount(), 4);
    store.Undo();
    EXPECT_EQ(store.RenderEntries(), QStringList{"casa --> casa"});
    store.Redo();
    EXPECT_EQ(store.RenderEntries(), (QStringList{"ape --> abelha", "cane --> cão", "casa --> casa", "gatto --> gato"}));
    store.Undo();
    store.Undo();
    EXPECT_EQ(store.EntryCount(), 0) << "and the insertion before it";
}

TEST(SearchHistory, KeepsTheNewestDistinctLookupsAcrossRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("history.txt");
    SearchHistory history(path);
    ASSERT_TRUE(history.load()) << "no file yet";
    for (int i = 0; i < SearchHistory::MaxLookups + 10; ++i)
        history.add({QStringLiteral("parola %1").arg(i), i % 2 == 0});
    history.add({"parola 205", false});
    history.add({"città", true});
    history.add({"due\nrighe", true});
    ASSERT_TRUE(history.save());

    SearchHistory reloaded(path);
    ASSERT_TRUE(reloaded.load());
    ASSERT_EQ(reloaded.lookups().size(), SearchHistory::MaxLookups);
    EXPECT_EQ(reloaded.lookups().at(0), (Lookup{"due righe", true}));
    EXPECT_EQ(reloaded.lookups().at(1), (Lookup{"città", true}));
    EXPECT_EQ(reloaded.lookups().at(2), (Lookup{"parola 205", false}));
    EXPECT_EQ(reloaded.lookups().count(Lookup{"parola 205", false}), 1);
    reloaded.clear();
    ASSERT_TRUE(reloaded.save());
    EXPECT_EQ(testfiles::readBytes(path), QByteArray());
}

TEST(LookupTrail, GoesBackAndForwardLikeABrowser)
{
    LookupTrail trail;
    EXPECT_FALSE(trail.canGoBack());
    trail.visit({"casa", true});
    trail.visit({"cane", true});
    trail.visit({"gato", false});
    EXPECT_EQ(trail.back(), (Lookup{"cane", true}));
    EXPECT_EQ(trail.back(), (Lookup{"casa", true}));
    EXPECT_FALSE(trail.canGoBack());
    EXPECT_EQ(trail.forward(), (Lookup{"cane", true}));
    trail.visit({"mare", true});
    EXPECT_FALSE(trail.canGoForward()) << "a new lookup drops what was ahead";
    EXPECT_EQ(trail.back(), (Lookup{"cane", true}));
}

} // namespace
