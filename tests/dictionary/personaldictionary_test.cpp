#include "dictionary/personaldictionary.h"
#include "testfiles.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;
using parlora::testfiles::readBytes;
using parlora::testfiles::writeBytes;

namespace {

using Availability = std::pair<bool, bool>; // can undo, can redo

// A personal dictionary's file in a folder of its own.
class PersonalDictionaryFile : public ::testing::Test {
protected:
    static void insert(PersonalDictionary &into, QString word, QString translation)
    {
        ASSERT_TRUE(into.InsertEntry(word, translation));
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.per"));
};

// A store loaded from an empty file, as at start-up, so that edits record
// undo steps; every listener call is kept.
class PersonalStore : public PersonalDictionaryFile {
protected:
    void SetUp() override
    {
        writeBytes(path, {});
        store.setUndoRedoListener([this](bool canUndo, bool canRedo) { notices.append({canUndo, canRedo}); });
        ASSERT_TRUE(store.LoadPersonalDictionary(path));
        notices.clear();
    }
    void insert(const QString &word, const QString &translation)
    {
        PersonalDictionaryFile::insert(store, word, translation);
    }

    PersonalDictionary store;
    QList<Availability> notices;
};

TEST_F(PersonalStore, KeepsEntriesInCharacterCodeOrderNewBeforeEqual)
{
    insert("zebra", "zebra");
    insert("abaco", "ábaco");
    EXPECT_EQ(store.RenderEntries(), (QStringList{"abaco --> ábaco", "zebra --> zebra"}));
    EXPECT_EQ(notices, (QList<Availability>{{true, false}, {true, false}}));

    for (const char *word : {"città", "casa", "Casa", "Zebra", "à", "ab"})
        insert(word, "t");
    EXPECT_EQ(store.Words(), (QStringList{"Casa", "Zebra", "ab", "abaco", "casa", "città", "zebra", "à"}));
    insert("casa", "lar");
    EXPECT_EQ(store.History().last().Index, 4) << "a new entry goes before equal words";
}

TEST_F(PersonalStore, InsertTrimsPlainSpacesAndRefusesWhatTheFileCannotHold)
{
    const struct {
        QString word, translation, stored; // stored: the list line, empty when refused
    } rows[] = {
        {"  ciao  ", " olá", "ciao --> olá"},
        {"\tciao ", "olá\u00A0", "\tciao --> olá\u00A0"},
        {"   ", "x", " --> x"},
        {"日本", "Japão", ""},
        {"ok", "ș", ""},
        {"due\rrighe", "x", ""},
    };
    for (const auto &row : rows) {
        QString word = row.word, translation = row.translation;
        const int steps = store.HistoryLength();
        const InsertResult result = store.InsertEntry(word, translation);
        EXPECT_EQ(bool(result), !row.stored.isEmpty()) << row.word.toStdString();
        EXPECT_EQ(result.error.isEmpty(), bool(result));
        EXPECT_EQ(store.HistoryLength(), steps + int(bool(result))) << "a refusal records nothing";
        if (result) {
            EXPECT_EQ(word + " --> " + translation, row.stored) << "the caller's texts are trimmed too";
        }
    }
    EXPECT_EQ(store.RenderEntries(), (QStringList{" --> x", "\tciao --> olá\u00A0", "ciao --> olá"}));
}

// Undoing a delete must put the entry back at its own index, behind its
// equal word, not before it: the older steps' indexes rely on that.
TEST_F(PersonalStore, UndoneDeleteReturnsBehindEqualWords)
{
    insert("casa", "1");
    insert("casa", "2");
    store.DeleteEntry(1);
    store.Undo();
    EXPECT_EQ(store.Translations(), (QStringList{"2", "1"}));
    EXPECT_EQ(notices.last(), Availability(true, true));
    store.Undo();
    EXPECT_EQ(store.Translations(), QStringList{"1"}) << "the second insert is the one undone";
}

// Random edits, some deleting outside the list (no selection), then every
// step undone and redone: the store must pass back through exactly the
// states it had, equal words included; a new edit then drops the undone steps.
TEST_F(PersonalStore, UndoAndRedoRetraceEveryState)
{
    QRandomGenerator random(7);
    const QStringList words{"casa", "Casa", "cane", "città", "a"};
    QList<QStringList> states{store.RenderEntries()};
    for (int i = 0; i < 300; ++i) {
        if (random.bounded(3) == 0)
            store.DeleteEntry(random.bounded(-1, store.EntryCount() + 1));
        else
            insert(words.at(random.bounded(words.size())), QString::number(i));
        if (store.RenderEntries() != states.last())
            states.append(store.RenderEntries());
    }
    ASSERT_EQ(store.HistoryLength(), states.size() - 1) << "a delete outside the list records nothing";
    for (qsizetype i = states.size() - 2; i >= -1; --i) { // one undo more than there are steps
        store.Undo();
        ASSERT_EQ(store.RenderEntries(), states.at(std::max<qsizetype>(i, 0))) << "undone to state " << i;
    }
    EXPECT_EQ(notices.last(), Availability(false, true));
    for (qsizetype i = 1; i < states.size(); ++i) {
        store.Redo();
        ASSERT_EQ(store.RenderEntries(), states.at(i)) << "redone to state " << i;
    }
    store.Undo();
    insert("nuova", "x");
    EXPECT_EQ(store.HistoryLength(), states.size() - 1);
    EXPECT_EQ(notices.last(), Availability(true, false)) << "nothing left to redo";
}

TEST_F(PersonalStore, HistoryLimitDropsTheOldestStep)
{
    // Ascending words keep every insert at the end, so this stays quick.
    for (int i = 0; i <= PersonalDictionary::MaxHistoryLength; ++i)
        insert(QStringLiteral("w%1").arg(i, 6, 10, QLatin1Char('0')), "t");
    for (int i = 0; i <= PersonalDictionary::MaxHistoryLength; ++i)
        store.Undo();
    EXPECT_EQ(store.Words(), QStringList{"w000000"}) << "only the dropped step stays";
    EXPECT_EQ(notices.last(), Availability(false, true));
}

// Loading must give the order that inserting the file's pairs one by one
// gives, whatever the file's order and however many equal words it holds.
TEST_F(PersonalDictionaryFile, LoadingMatchesOneByOneInsertsOnRandomData)
{
    QRandomGenerator random(42);
    PersonalDictionary inserted;
    QByteArray file;
    for (int i = 0; i < 3000; ++i) {
        QString word;
        for (int length = random.bounded(1, 4); length > 0; --length)
            word += QStringLiteral("aAbàé ").at(random.bounded(6));
        QString translation = QString::number(i);
        file += word.toLatin1() + "\r\n" + translation.toLatin1() + "\r\n";
        ASSERT_TRUE(inserted.InsertEntry(word, translation));
    }
    // A last word without its translation is the user's all the same.
    QString lone = QStringLiteral("a lone last line"), empty;
    ASSERT_TRUE(inserted.InsertEntry(lone, empty));
    writeBytes(path, file + lone.toLatin1());

    PersonalDictionary loaded;
    ASSERT_TRUE(loaded.LoadPersonalDictionary(path));
    EXPECT_EQ(loaded.RenderEntries(), inserted.RenderEntries());
}

TEST_F(PersonalStore, SavesPairsThatLoadBackAndAFailedSaveKeepsTheOldFile)
{
    ASSERT_TRUE(store.SavePersonalDictionary());
    EXPECT_EQ(readBytes(path), QByteArray()) << "an empty store leaves an empty file";
    insert("prezzo", "5 €");
    insert("città", "cidade");
    ASSERT_TRUE(store.SavePersonalDictionary());
    const QByteArray saved = readBytes(path);
    EXPECT_EQ(saved, QByteArray("citt\xE0\r\ncidade\r\nprezzo\r\n5 \x80\r\n"));
    ASSERT_TRUE(store.LoadPersonalDictionary(path));
    EXPECT_EQ(store.HistoryLength(), 2) << "loading keeps the history and records nothing";

    for (int i = 0; i < 50; ++i)
        insert(QStringLiteral("word%1").arg(i), "a translation long enough");
    SaveResult result;
    {
        const parlora::testfiles::FileSizeLimit diskFull(64);
        result = store.SavePersonalDictionary();
    }
    EXPECT_TRUE(!result && !result.error.isEmpty());
    EXPECT_EQ(readBytes(path), saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"portital.per"}) << "no temporary file is left";
}

// Files written by other tools or edited on Linux end their lines with LF;
// the file is read as the user meant it and written back with CR LF.
TEST_F(PersonalDictionaryFile, ReadsEveryLineEndAndKeepsAnUnpairedLastLine)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList entries;
        bool unpaired;
    } rows[] = {
        {"LfOnly", "uno\num\ndue\ndois\ntre\ntr\xEAs\n", {"due --> dois", "tre --> três", "uno --> um"}, false},
        {"Mixed", "a\r\nb\nc\rd", {"a --> b", "c --> d"}, false},
        {"OddLineCount", "a\r\nb\r\nc\r\n", {"a --> b", "c --> "}, true},
        {"TrailingEmptyLineIsOnlyTheEnd", "a\r\nb\r\n\r\n", {"a --> b"}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(path, row.bytes);
        PersonalDictionary store;
        ASSERT_TRUE(store.LoadPersonalDictionary(path));
        EXPECT_EQ(store.RenderEntries(), row.entries);
        EXPECT_EQ(store.LastLoadReport().unpairedLastLine, row.unpaired);
        insert(store, "zz", "zz");
        ASSERT_TRUE(store.SavePersonalDictionary());
        PersonalDictionary reloaded;
        ASSERT_TRUE(reloaded.LoadPersonalDictionary(path));
        EXPECT_EQ(reloaded.RenderEntries(), row.entries + QStringList{"zz --> zz"}) << "nothing is lost on the way";
        EXPECT_FALSE(readBytes(path).replace("\r\n", "").contains('\n')) << "written with CR LF";
    }
}

TEST_F(PersonalDictionaryFile, AFileThatShrinksToLessThanHalfIsKeptAsBak)
{
    writeBytes(path, "amico\r\namigo\r\ncasa\r\ncasa\r\ncane\r\nc\xE3o\r\ngatto\r\ngato\r\n");
    PersonalDictionary store;
    ASSERT_TRUE(store.LoadPersonalDictionary(path));
    store.DeleteEntry(0);
    ASSERT_TRUE(store.SavePersonalDictionary());
    EXPECT_FALSE(QFile::exists(path + ".bak")) << "a quarter less is an ordinary edit";
    store.DeleteEntry(0);
    store.DeleteEntry(0);
    ASSERT_TRUE(store.SavePersonalDictionary());
    EXPECT_EQ(readBytes(path), QByteArray("gatto\r\ngato\r\n"));
    EXPECT_EQ(readBytes(path + ".bak"), QByteArray("cane\r\nc\xE3o\r\ncasa\r\ncasa\r\ngatto\r\ngato\r\n"));
}

// Two programs on one file (two windows, a sync tool): a save merges what
// the other wrote instead of overwriting it; this store's deletions stand.
TEST_F(PersonalDictionaryFile, SavingMergesWhatAnotherProgramWroteMeanwhile)
{
    writeBytes(path, "casa\r\ncasa\r\nmare\r\nmar\r\n");
    PersonalDictionary first, second;
    ASSERT_TRUE(first.LoadPersonalDictionary(path));
    ASSERT_TRUE(second.LoadPersonalDictionary(path));

    insert(first, "gatto", "gato");
    ASSERT_TRUE(first.SavePersonalDictionary());

    insert(second, "cane", "cão");
    second.DeleteEntry(qint32(second.Words().indexOf(QStringLiteral("mare"))));
    ASSERT_TRUE(second.SavePersonalDictionary());

    const QStringList both{"cane --> cão", "casa --> casa", "gatto --> gato"};
    EXPECT_EQ(second.RenderEntries(), both);
    PersonalDictionary reloaded;
    ASSERT_TRUE(reloaded.LoadPersonalDictionary(path));
    EXPECT_EQ(reloaded.RenderEntries(), both);

    // The merged pair is no edit of this session: undo takes back the
    // session's own steps, finding them where the merge moved them.
    second.Undo();
    second.Undo();
    EXPECT_EQ(second.RenderEntries(), (QStringList{"casa --> casa", "gatto --> gato", "mare --> mar"}));
}

// The other program's change may keep the file's size and time (one letter
// changed within the same millisecond, times kept in seconds, a sync tool
// restoring the time): its pairs are merged all the same.
TEST_F(PersonalDictionaryFile, SavingMergesAChangeThatKeptTheFilesSizeAndTime)
{
    writeBytes(path, "gatto\r\ngato\r\n");
    const QDateTime loadedAt = QFileInfo(path).lastModified();
    PersonalDictionary other, mine;
    ASSERT_TRUE(other.LoadPersonalDictionary(path));
    ASSERT_TRUE(mine.LoadPersonalDictionary(path));

    other.DeleteEntry(0);
    insert(other, "gatta", "gata");
    ASSERT_TRUE(other.SavePersonalDictionary());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(loadedAt, QFileDevice::FileModificationTime));
    file.close();

    insert(mine, "cane", "cão");
    ASSERT_TRUE(mine.SavePersonalDictionary());
    PersonalDictionary reloaded;
    ASSERT_TRUE(reloaded.LoadPersonalDictionary(path));
    EXPECT_EQ(reloaded.RenderEntries(), (QStringList{"cane --> cão", "gatta --> gata", "gatto --> gato"}));
}

// A file that exists but cannot be read is never replaced; the words of the
// session join it as soon as it can be read again.
TEST_F(PersonalDictionaryFile, WordsAddedWhileTheFileWasUnreadableJoinItLater)
{
    ASSERT_TRUE(QDir().mkdir(path)); // unreadable as a file, also for root
    PersonalDictionary store;
    const SaveResult loaded = store.LoadPersonalDictionary(path);
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error, QStringLiteral("it is not a regular file"));
    insert(store, "sole", "sol");
    EXPECT_FALSE(store.SavePersonalDictionary());
    EXPECT_TRUE(QFileInfo(path).isDir());

    ASSERT_TRUE(QDir().rmdir(path));
    writeBytes(path, "luna\nlua\n");
    ASSERT_TRUE(store.SavePersonalDictionary());
    EXPECT_EQ(readBytes(path), QByteArray("luna\r\nlua\r\nsole\r\nsol\r\n"));

    PersonalDictionary neverLoaded;
    EXPECT_FALSE(neverLoaded.SavePersonalDictionary()) << "a store that never read its file writes nothing";
}

} // namespace
