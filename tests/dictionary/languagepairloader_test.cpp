#include "dictionary/languagepairloader.h"
#include "dictionary/phrasepadding.h"
#include "testfiles.h"

#include <QTemporaryDir>

#include <functional>
#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace parlora;
using parlora::testfiles::readBytes;
using parlora::testfiles::writeBytes;

namespace {

class RecordingSink : public ProgressSink {
public:
    void setStatusText(const QString &text) override { statusTexts.append(text); }
    void setProgressMaximum(int maximum) override { maxima.append(maximum); }
    void setProgressValue(int value) override { values.append(value); }
    QStringList statusTexts;
    QList<int> maxima, values;
};

// "first|second" per record, so that a whole list is one comparison.
template <typename Record>
QStringList records(const QList<Record> &list)
{
    QStringList out;
    for (const Record &record : list) {
        if constexpr (std::is_same_v<Record, GrammarRule>)
            out.append(record.Pattern + u'|' + record.Replacement);
        else
            out.append(record.Language1 + u'|' + record.Language2);
    }
    return out;
}

// An application folder holding a one-record main dictionary.
class LanguagePairFolder : public ::testing::Test {
protected:
    void SetUp() override { writeDic(pair.MainDictionaryFile, "casa\r\ncasa\r\n\r\n"); }

    QString appPath(const char *name = nullptr) const
    {
        return root.filePath(name ? QStringLiteral("app/") + QLatin1String(name) : QStringLiteral("app"));
    }
    QString dicPath(const QString &name) const { return appPath("dic/") + name; }
    void writeDic(const QString &name, const QByteArray &bytes) { writeBytes(dicPath(name), bytes); }
    LoadResult load()
    {
        data = DictionaryData();
        return LoadLanguagePair(ApplicationFolder(appPath()), root.filePath(QStringLiteral("cwd")), pair, locations,
                                QStringLiteral("loading"), data, personal, progress);
    }

    QTemporaryDir root;
    LanguagePair pair;
    DataLocations locations{true, appPath(), dicPath(pair.PersonalDictionaryFile), {}, {}};
    DictionaryData data;
    PersonalDictionary personal;
    RecordingSink progress;
};

// The main dictionary and the phrasebook read three-line records the same way.
TEST_F(LanguagePairFolder, RecordFilesKeepCompleteRecordsInFileOrder)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList language1, language2;
    } rows[] = {
        {"LoneLastLineDropped", "casa\r\ncasa\r\n\r\ncane\r\nc\xE3o\r\n\r\ngatto", {"casa", "cane"}, {"casa", "cão"}},
        {"MissingLastSeparatorKeepsRecord", "  a \rb\r-\rcane\r\nc\xE3o", {"  a ", "cane"}, {"b", "cão"}},
        {"EmptyFile", "", {}, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeDic(pair.MainDictionaryFile, row.bytes);
        writeDic(pair.PhrasebookFile, row.bytes);
        ASSERT_EQ(load().outcome, LoadOutcome::Loaded);
        EXPECT_EQ(data.mainDictionary.Language1Entries, row.language1);
        EXPECT_EQ(data.mainDictionary.Language2Entries, row.language2);
        ASSERT_EQ(data.phrasebook.Count(), row.language1.size());
        EXPECT_EQ(data.phrasebook.Search.size(), row.language1.size());
        for (qsizetype i = 0; i < row.language1.size(); ++i)
            EXPECT_EQ(records(data.phrasebook.Display).at(i), row.language1.at(i) + u'|' + row.language2.at(i));
    }
}

// The bar moves forward within its maximum, record by record, and the
// status text is cleared with it at the end.
TEST_F(LanguagePairFolder, MainDictionaryProgressMovesForwardAndResetsAtTheEnd)
{
    writeDic(pair.MainDictionaryFile, "casa\r\nlar\r\n--\r\ncane\r\nc\xE3o\r\n\r\n");
    load();
    ASSERT_EQ(progress.maxima.size(), 1);
    ASSERT_EQ(progress.values.size(), 3) << "one step per record, then the reset";
    EXPECT_TRUE(0 < progress.values[0] && progress.values[0] < progress.values[1]);
    EXPECT_LE(progress.values[1], progress.maxima[0]);
    EXPECT_EQ(progress.values.last(), 0);
    EXPECT_EQ(progress.statusTexts, (QStringList{QString(), QStringLiteral("loading"), QString()}));
}

TEST(PadPhrasePunctuation, TurnsSentenceMarksIntoSpacesAndPadsBothEnds)
{
    EXPECT_EQ(PadPhrasePunctuation(u"Bom dia, Maria!"), QStringLiteral(" Bom dia  Maria  "));
    EXPECT_EQ(PadPhrasePunctuation(u".,:;!?"), QStringLiteral("        "));
    EXPECT_EQ(PadPhrasePunctuation(u"(casa) l'uomo - Sì"), QStringLiteral(" (casa) l'uomo - Sì "));
}

TEST_F(LanguagePairFolder, EachListComesFromItsOwnFileAndAnEmptyPersonalDictionaryIsCreated)
{
    ASSERT_EQ(load().outcome, LoadOutcome::Loaded);
    EXPECT_EQ(data.phrasebook.Count() + data.language1Grammar.Count(), 0) << "missing files read as empty";
    EXPECT_TRUE(FileExists(dicPath(pair.PersonalDictionaryFile)));
    EXPECT_EQ(readBytes(dicPath(pair.PersonalDictionaryFile)), QByteArray());

    writeDic(pair.PhrasebookFile, "Bom dia!\r\nBuongiorno!\r\n\r\n");
    writeDic(pair.Language1GrammarFile, "*o\r\n*are\r\n");
    writeDic(pair.Language2GrammarFile, "*\xF5" "es\r\n*\xE3o\r\n");
    EXPECT_FALSE(load().personalDictionary);
    EXPECT_EQ(records(data.phrasebook.Search), QStringList{" Bom dia  | Buongiorno  "});
    EXPECT_EQ(records(data.language1Grammar.Rules), QStringList{"*o|*are"});
    EXPECT_EQ(records(data.language2Grammar.Rules), QStringList{"*ões|*ão"});
}

TEST_F(LanguagePairFolder, GrammarPairsMarkedLines)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList rules;
    } rows[] = {
        {"CommentsAnywhere", "# endings\r\n*ando\r\nnote\r\n*are\r\n", {"*ando|*are"}},
        {"OnlyUnmarkedLine", "abc\r\n", {"abc|"}},
        {"UnpairedMarkThenText", "*o\r\n*are\r\n*i\r\nfine\r\n", {"*o|*are", "*i|fine"}},
        {"TextAfterLastPair", "*o\r\n*are\r\n\r\nfine\r\n", {"*o|*are", "fine|"}},
        {"StarInsideIsNotAMark", "a*\r\n*o\r\n *x\r\n*e\r\n", {"*o|*e"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeDic(pair.Language2GrammarFile, row.bytes);
        load();
        EXPECT_EQ(records(data.language2Grammar.Rules), row.rules);
    }
}

TEST_F(LanguagePairFolder, MigrationMovesEverySourceInOrderAndTheLaterCopyWins)
{
    // The oldest source is found by name through "..", although "cwd" does not exist.
    const QString oldest = root.filePath(QStringLiteral("Parlora versione 1.1/portital.per"));
    const QString dizionario = appPath("dizionario/portugal.per");
    writeBytes(oldest, "oldest\r\n1\r\n");
    writeBytes(dizionario, "dizionario\r\n2\r\n");

    EXPECT_FALSE(load().personalDictionary);
    EXPECT_EQ(readBytes(dicPath(QStringLiteral("portital.per"))), QByteArray("dizionario\r\n2\r\n"));
    EXPECT_FALSE(FileExists(oldest) || FileExists(dizionario));
    EXPECT_EQ(personal.Words(), QStringList{QStringLiteral("dizionario")});

    // Once in place, the personal dictionary is never replaced by an old one.
    writeBytes(appPath("portital.per"), "beside\r\n3\r\n");
    load();
    EXPECT_EQ(personal.Words(), QStringList{QStringLiteral("dizionario")});
    EXPECT_TRUE(FileExists(appPath("portital.per")));
}

TEST_F(LanguagePairFolder, FailedMigrationKeepsTheSourceAndIsReported)
{
    // A folder where the personal dictionary must go makes every copy fail.
    ASSERT_TRUE(QDir().mkpath(dicPath(QStringLiteral("portital.per"))));
    writeBytes(appPath("portital.per"), "beside\r\n3\r\n");

    const LoadResult result = load();
    EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
    ASSERT_TRUE(result.personalDictionary);
    EXPECT_EQ(result.personalDictionary->reason, QStringLiteral("it is not a regular file"));
    EXPECT_EQ(readBytes(appPath("portital.per")), QByteArray("beside\r\n3\r\n"));
    QString word = QStringLiteral("nuovo"), translation = QStringLiteral("novo");
    ASSERT_TRUE(personal.InsertEntry(word, translation));
    EXPECT_FALSE(personal.SavePersonalDictionary()) << "what could not be read is never overwritten";
    EXPECT_TRUE(QFileInfo(dicPath(QStringLiteral("portital.per"))).isDir());
}

// A FIFO would hang the loader, a device would fill the memory: neither is
// read, and both are as good as missing. A file that is there but cannot be
// read is told apart and never taken for an empty dictionary.
TEST_F(LanguagePairFolder, MainDictionaryThatIsNoRegularFileOrUnreadableStopsTheLoad)
{
    const QString main = dicPath(pair.MainDictionaryFile);
    const struct {
        const char *name;
        std::function<void()> make;
        LoadOutcome outcome;
    } rows[] = {
        {"Fifo", [&] { ASSERT_EQ(mkfifo(QFile::encodeName(main).constData(), 0600), 0); }, LoadOutcome::MainDictionaryMissing},
        {"Folder", [&] { ASSERT_TRUE(QDir().mkpath(main)); }, LoadOutcome::MainDictionaryMissing},
        {"LinkToDevice", [&] { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), main)); }, LoadOutcome::MainDictionaryMissing},
        {"LargerThanAnyDictionary",
         [&] {
             QFile file(main);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(MaxDataFileBytes + 1));
         },
         LoadOutcome::MainDictionaryUnreadable},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(main);
        QDir(main).removeRecursively();
        row.make();
        const LoadResult result = load();
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(result.mainDictionary.file, main);
        EXPECT_FALSE(result.mainDictionary.reason.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(dicPath(pair.PersonalDictionaryFile))) << "nothing is written after a failed load";
    }
}

TEST_F(LanguagePairFolder, UnreadablePhrasebookIsReportedAndLeftOut)
{
    ASSERT_TRUE(QDir().mkpath(dicPath(pair.Language1GrammarFile))); // not a file: as if missing
    QFile phrasebook(dicPath(pair.PhrasebookFile));
    ASSERT_TRUE(phrasebook.open(QIODevice::WriteOnly) && phrasebook.resize(MaxDataFileBytes + 1));
    const LoadResult result = load();
    ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
    ASSERT_EQ(result.unreadableFiles.size(), 1);
    EXPECT_EQ(result.unreadableFiles.front().file, dicPath(pair.PhrasebookFile));
    EXPECT_EQ(data.phrasebook.Count(), 0);
}

// An installed copy keeps the user's files in the user's folders; a personal
// dictionary left beside the program is where they start.
TEST_F(LanguagePairFolder, UserFoldersStartFromTheCopyBesideTheProgram)
{
    writeDic(pair.PersonalDictionaryFile, "casa\r\nlar\r\n");
    locations = chooseDataLocations(appPath(), true, pair.PersonalDictionaryFile,
                                    {root.filePath(QStringLiteral("config")), root.filePath(QStringLiteral("data"))},
                                    [](const QString &) { return false; });
    ASSERT_FALSE(locations.portable);
    EXPECT_FALSE(load().personalDictionary);
    EXPECT_EQ(personal.Words(), QStringList{QStringLiteral("casa")});
    EXPECT_EQ(personal.FileName(), root.filePath(QStringLiteral("data/portital.per")));
    EXPECT_EQ(readBytes(personal.FileName()), QByteArray("casa\r\nlar\r\n"));
}

} // namespace
