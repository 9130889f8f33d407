#include "dictionary/personaldictionary.h"
#include "testfiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace parlora;
using parlora::testfiles::readBytes;
using parlora::testfiles::writeBytes;

namespace {

using Availability = std::pair<bool, bool>; // can undo, can redo

// A store loaded from an empty file, as at start-up, so that edits record
// undo steps; every listener call is kept.
class PersonalStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("portital.per"));
        writeBytes(path, {});
        store.setUndoRedoListener([this](bool canUndo, bool canRedo) { notices.append({canUndo, canRedo}); });
        ASSERT_TRUE(store.LoadPersonalDictionary(path));
        notices.clear();
    }

    void insert(const QString &word, const QString &translation)
    {
        QString w = word;
        QString t = translation;
        ASSERT_TRUE(store.InsertEntry(w, t));
    }

    QTemporaryDir dir;
    QString path;
    PersonalDictionary store;
    QList<Availability> notices;
};

TEST_F(PersonalStore, KeepsEntriesSortedByCharacterCode)
{
    insert(QStringLiteral("zebra"), QStringLiteral("zebra"));
    insert(QStringLiteral("abaco"), QStringLiteral("ábaco"));
    EXPECT_EQ(store.RenderEntries(), (QStringList{QStringLiteral("abaco --> ábaco"), QStringLiteral("zebra --> zebra")}));
    EXPECT_EQ(store.HistoryPosition(), 2);
    EXPECT_EQ(notices, (QList<Availability>{{true, false}, {true, false}}));

    for (const char *word : {"città", "casa", "Casa", "Zebra", "à", "ab"})
        insert(QString::fromUtf8(word), QStringLiteral("t"));
    EXPECT_EQ(store.Words(), (QStringList{"Casa", "Zebra", "ab", "abaco", "casa", "città", "zebra", "à"}));

    insert(QStringLiteral("casa"), QStringLiteral("lar"));
    EXPECT_EQ(store.History().last().Index, 4) << "a new entry goes before equal words";
}

TEST_F(PersonalStore, TrimsOnlyPlainSpacesAlsoInTheCallersTexts)
{
    const struct {
        QString word, translation, storedWord, storedTranslation;
    } rows[] = {
        {"  ciao  ", " olá", "ciao", "olá"},
        {"\tciao ", "olá\u00A0", "\tciao", "olá\u00A0"},
        {"   ", "x", "", "x"},
    };
    for (const auto &row : rows) {
        QString word = row.word;
        QString translation = row.translation;
        ASSERT_TRUE(store.InsertEntry(word, translation));
        EXPECT_EQ(word, row.storedWord);
        EXPECT_EQ(translation, row.storedTranslation);
        const qint32 index = store.History().last().Index;
        EXPECT_EQ(store.RenderEntries().at(index), row.storedWord + " --> " + row.storedTranslation);
    }
}

TEST_F(PersonalStore, RefusesTextTheFileCannotHold)
{
    insert(QStringLiteral("prezzo"), QStringLiteral("5 €"));
    notices.clear();
    for (auto [word, translation] : {std::pair<QString, QString>{"日本", "Japão"}, {"ok", "ș"}, {"due\rrighe", "x"}}) {
        const InsertResult result = store.InsertEntry(word, translation);
        EXPECT_FALSE(result) << word.toStdString();
        EXPECT_FALSE(result.error.isEmpty());
    }
    EXPECT_EQ(store.EntryCount(), 1);
    EXPECT_EQ(store.HistoryLength(), 1);
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(PersonalStore, DeleteUndoRedo)
{
    insert(QStringLiteral("abaco"), QStringLiteral("ábaco"));
    insert(QStringLiteral("zebra"), QStringLiteral("zebra"));
    for (const qint32 outside : {-1, 2}) {
        store.DeleteEntry(outside);
        EXPECT_EQ(store.HistoryLength(), 2) << "no selection deletes nothing";
    }

    store.DeleteEntry(0);
    EXPECT_EQ(store.Words(), QStringList{QStringLiteral("zebra")});
    store.Undo();
    EXPECT_EQ(store.RenderEntries().first(), QStringLiteral("abaco --> ábaco"));
    EXPECT_EQ(notices.last(), Availability(true, true));
    store.Redo();
    EXPECT_EQ(store.Words(), QStringList{QStringLiteral("zebra")});
    EXPECT_EQ(notices.last(), Availability(true, false));
    EXPECT_EQ(store.HistoryLength(), 3) << "undo and redo record nothing";
}

TEST_F(PersonalStore, NewEditDiscardsUndoneSteps)
{
    insert(QStringLiteral("a"), QStringLiteral("1"));
    insert(QStringLiteral("b"), QStringLiteral("2"));
    store.Undo();
    insert(QStringLiteral("c"), QStringLiteral("3"));
    EXPECT_EQ(store.HistoryLength(), 2);
    EXPECT_EQ(notices.last(), Availability(true, false));

    store.Undo();
    store.Undo();
    store.Undo(); // nothing left to undo
    EXPECT_TRUE(store.Words().isEmpty());
    EXPECT_EQ(notices.last(), Availability(false, true));
}

// Undoing a delete must put the entry back where it was, not before its
// equal words: the older steps' indexes rely on it.
TEST_F(PersonalStore, UndoneDeleteReturnsBehindEqualWords)
{
    insert(QStringLiteral("casa"), QStringLiteral("1"));
    insert(QStringLiteral("casa"), QStringLiteral("2"));
    store.DeleteEntry(1);
    store.Undo();
    EXPECT_EQ(store.Translations(), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    store.Undo();
    EXPECT_EQ(store.Translations(), QStringList{QStringLiteral("1")}) << "the second insert is the one undone";
}

// Random edits, then every step undone and redone: the store must pass back
// through exactly the states it had, equal words included.
TEST_F(PersonalStore, UndoAndRedoRetraceEveryState)
{
    QRandomGenerator random(7);
    const QStringList words{"casa", "Casa", "cane", "città", "a"};
    QList<QStringList> states{store.RenderEntries()};
    for (int i = 0; i < 300; ++i) {
        if (store.EntryCount() > 0 && random.bounded(3) == 0)
            store.DeleteEntry(random.bounded(store.EntryCount()));
        else
            insert(words.at(random.bounded(words.size())), QString::number(i));
        states.append(store.RenderEntries());
    }
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        store.Undo();
        ASSERT_EQ(store.RenderEntries(), states.at(i)) << "undone to state " << i;
    }
    for (qsizetype i = 1; i < states.size(); ++i) {
        store.Redo();
        ASSERT_EQ(store.RenderEntries(), states.at(i)) << "redone to state " << i;
    }
}

TEST_F(PersonalStore, HistoryLimitDropsTheOldestStep)
{
    // Ascending words keep every insert at the end, so this stays quick.
    for (int i = 0; i <= PersonalDictionary::MaxHistoryLength; ++i)
        insert(QStringLiteral("w%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("t"));
    EXPECT_EQ(store.HistoryLength(), PersonalDictionary::MaxHistoryLength);
    EXPECT_EQ(store.HistoryPosition(), PersonalDictionary::MaxHistoryLength);

    for (int i = 0; i < PersonalDictionary::MaxHistoryLength; ++i)
        store.Undo();
    EXPECT_EQ(store.Words(), QStringList{QStringLiteral("w000000")}) << "only the dropped step stays";
    EXPECT_EQ(notices.last(), Availability(false, true));
}

// Loading must give the order that inserting the file's pairs one by one
// gives, whatever the file's order and however many equal words it holds.
TEST(PersonalDictionaryLoad, MatchesOneByOneInsertsOnRandomData)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.per"));
    QRandomGenerator random(42);
    const QString letters = QStringLiteral("aAbàé ");
    PersonalDictionary inserted;
    QByteArray file;
    for (int i = 0; i < 3000; ++i) {
        QString word;
        for (int length = random.bounded(1, 4); length > 0; --length)
            word += letters.at(random.bounded(letters.size()));
        QString translation = QString::number(i);
        file += word.toLatin1() + "\r\n" + translation.toLatin1() + "\r\n";
        ASSERT_TRUE(inserted.InsertEntry(word, translation));
    }
    writeBytes(path, file + "a lone last line is dropped");

    PersonalDictionary loaded;
    ASSERT_TRUE(loaded.LoadPersonalDictionary(path));
    EXPECT_EQ(loaded.Words(), inserted.Words());
    EXPECT_EQ(loaded.Translations(), inserted.Translations());
    EXPECT_TRUE(std::is_sorted(loaded.Words().cbegin(), loaded.Words().cend()));
}

TEST_F(PersonalStore, SaveWritesSortedPairsThatLoadBack)
{
    ASSERT_TRUE(store.SavePersonalDictionary());
    EXPECT_EQ(readBytes(path), QByteArray()) << "an empty store leaves an empty file";

    insert(QStringLiteral("prezzo"), QStringLiteral("5 €"));
    insert(QStringLiteral("città"), QStringLiteral("cidade"));
    ASSERT_TRUE(store.SavePersonalDictionary());
    EXPECT_EQ(readBytes(path), QByteArray("citt\xE0\r\ncidade\r\nprezzo\r\n5 \x80\r\n"));
    const QStringList saved = store.RenderEntries();
    ASSERT_TRUE(store.LoadPersonalDictionary(path));
    EXPECT_EQ(store.RenderEntries(), saved);
    EXPECT_EQ(store.HistoryLength(), 2) << "loading keeps the history and records nothing";
}

TEST_F(PersonalStore, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    writeBytes(path, "old\r\nvelho\r\n");
    for (int i = 0; i < 50; ++i)
        insert(QStringLiteral("word%1").arg(i), QStringLiteral("a translation long enough"));
    SaveResult result;
    {
        const parlora::testfiles::FileSizeLimit diskFull(64);
        result = store.SavePersonalDictionary();
    }
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(readBytes(path), QByteArray("old\r\nvelho\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("portital.per")})
        << "no temporary file is left behind";
}

TEST(PersonalDictionaryFile, UnreadableFileIsReportedAndNeverOverwritten)
{
    QTemporaryDir dir;
    PersonalDictionary store;
    EXPECT_FALSE(store.LoadPersonalDictionary(dir.filePath(QStringLiteral("missing.per"))));
    EXPECT_FALSE(store.LoadPersonalDictionary(dir.path())) << "a folder is no dictionary";
    EXPECT_FALSE(store.SavePersonalDictionary());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing.per"))));
}

} // namespace
