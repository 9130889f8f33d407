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

QByteArray crlfLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// A store loaded from a file in a temporary folder, as at start-up, so that
// edits record undo steps; every listener call is kept.
class PersonalStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
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

    std::pair<bool, bool> lastNotice() const { return notices.isEmpty() ? std::pair{false, false} : notices.last(); }

    QTemporaryDir dir;
    QString path;
    PersonalDictionary store;
    QList<std::pair<bool, bool>> notices;
};

TEST_F(PersonalStore, KeepsEntriesSortedAndTellsTheUndoState)
{
    insert(QStringLiteral("zebra"), QStringLiteral("zebra"));
    insert(QStringLiteral("abaco"), QStringLiteral("ábaco"));

    EXPECT_EQ(store.RenderEntries(), (QStringList{QStringLiteral("abaco --> ábaco"), QStringLiteral("zebra --> zebra")}));
    EXPECT_EQ(store.HistoryLength(), 2);
    EXPECT_EQ(store.HistoryPosition(), 2);
    EXPECT_EQ(notices, (QList<std::pair<bool, bool>>{{true, false}, {true, false}}));
}

TEST_F(PersonalStore, SortsByCharacterCode)
{
    for (const char16_t *word : {u"città", u"casa", u"Casa", u"Zebra", u"a", u"à", u"ab"})
        insert(QString::fromUtf16(word), QStringLiteral("t"));
    EXPECT_EQ(store.Words(), (QStringList{QStringLiteral("Casa"), QStringLiteral("Zebra"), QStringLiteral("a"),
                                          QStringLiteral("ab"), QStringLiteral("casa"), QStringLiteral("città"),
                                          QStringLiteral("à")}));
}

TEST_F(PersonalStore, NewEntryGoesBeforeEqualWords)
{
    insert(QStringLiteral("casa"), QStringLiteral("casa"));
    insert(QStringLiteral("casa"), QStringLiteral("lar"));
    EXPECT_EQ(store.Translations(), (QStringList{QStringLiteral("lar"), QStringLiteral("casa")}));
    EXPECT_EQ(store.History().last().Index, 0);
}

TEST_F(PersonalStore, TrimsOnlyPlainSpaces)
{
    const struct {
        QString word, translation, storedWord, storedTranslation;
    } rows[] = {
        {QStringLiteral("  ciao  "), QStringLiteral(" olá"), QStringLiteral("ciao"), QStringLiteral("olá")},
        {QStringLiteral("\tciao "), QStringLiteral("olá\u00A0"), QStringLiteral("\tciao"), QStringLiteral("olá\u00A0")},
        {QStringLiteral("   "), QStringLiteral("x"), QString(), QStringLiteral("x")},
    };
    for (const auto &row : rows) {
        QString word = row.word;
        QString translation = row.translation;
        ASSERT_TRUE(store.InsertEntry(word, translation));
        EXPECT_EQ(word, row.storedWord) << "the caller's text is trimmed too";
        EXPECT_EQ(translation, row.storedTranslation);
        const qint32 index = store.History().last().Index;
        EXPECT_EQ(store.Words().at(index), row.storedWord);
        EXPECT_EQ(store.Translations().at(index), row.storedTranslation);
    }
}

TEST_F(PersonalStore, RefusesTextTheFileCannotHold)
{
    insert(QStringLiteral("prezzo"), QStringLiteral("5 €"));
    notices.clear();
    const struct {
        QString word, translation;
    } rows[] = {
        {QStringLiteral("日本"), QStringLiteral("Japão")},
        {QStringLiteral("ok"), QStringLiteral("ș")},
        {QStringLiteral("due\rrighe"), QStringLiteral("x")},
    };
    for (const auto &row : rows) {
        QString word = row.word;
        QString translation = row.translation;
        const InsertResult result = store.InsertEntry(word, translation);
        EXPECT_FALSE(result) << row.word.toStdString();
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

    store.DeleteEntry(0);
    EXPECT_EQ(store.Words(), QStringList{QStringLiteral("zebra")});
    store.Undo();
    EXPECT_EQ(store.Words(), (QStringList{QStringLiteral("abaco"), QStringLiteral("zebra")}));
    EXPECT_EQ(store.Translations().first(), QStringLiteral("ábaco"));
    EXPECT_EQ(lastNotice(), std::pair(true, true));
    store.Redo();
    EXPECT_EQ(store.Words(), QStringList{QStringLiteral("zebra")});
    EXPECT_EQ(lastNotice(), std::pair(true, false));
    EXPECT_EQ(store.HistoryLength(), 3) << "undo and redo record nothing";
}

TEST_F(PersonalStore, DeleteOutsideTheEntriesDoesNothing)
{
    insert(QStringLiteral("casa"), QStringLiteral("casa"));
    notices.clear();
    for (const qint32 index : {-1, 1, 100}) {
        store.DeleteEntry(index);
        EXPECT_EQ(store.EntryCount(), 1);
        EXPECT_EQ(store.HistoryLength(), 1);
    }
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(PersonalStore, NewEditDiscardsUndoneSteps)
{
    insert(QStringLiteral("a"), QStringLiteral("1"));
    insert(QStringLiteral("b"), QStringLiteral("2"));
    store.Undo();
    insert(QStringLiteral("c"), QStringLiteral("3"));

    EXPECT_EQ(store.HistoryLength(), 2);
    EXPECT_FALSE(store.canRedo());
    EXPECT_EQ(lastNotice(), std::pair(true, false));
    store.Redo();
    EXPECT_EQ(store.Words(), (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    store.Undo();
    store.Undo();
    EXPECT_TRUE(store.Words().isEmpty());
    EXPECT_EQ(lastNotice(), std::pair(false, true));
    store.Undo(); // nothing left: no change, no crash
    EXPECT_EQ(store.HistoryPosition(), 0);
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
// through exactly the states it had, equal words and duplicates included.
TEST_F(PersonalStore, UndoAndRedoRetraceEveryState)
{
    QRandomGenerator random(7);
    const QStringList words{QStringLiteral("casa"), QStringLiteral("Casa"), QStringLiteral("cane"),
                            QStringLiteral("città"), QStringLiteral("a")};
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
        ASSERT_EQ(store.RenderEntries(), states.at(i)) << "after undoing to state " << i;
    }
    for (qsizetype i = 1; i < states.size(); ++i) {
        store.Redo();
        ASSERT_EQ(store.RenderEntries(), states.at(i)) << "after redoing to state " << i;
    }
}

TEST_F(PersonalStore, HistoryLimitDropsTheOldestStep)
{
    const int steps = PersonalDictionary::MaxHistoryLength + 1;
    // Ascending words keep every insert at the end, so this stays quick.
    for (int i = 0; i < steps; ++i)
        insert(QStringLiteral("w%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("t"));

    EXPECT_EQ(store.HistoryLength(), PersonalDictionary::MaxHistoryLength);
    EXPECT_EQ(store.HistoryPosition(), PersonalDictionary::MaxHistoryLength);
    EXPECT_EQ(store.History().first().Word, QStringLiteral("w000001"));
    for (int i = 0; i < PersonalDictionary::MaxHistoryLength; ++i)
        store.Undo();
    EXPECT_EQ(store.Words(), QStringList{QStringLiteral("w000000")}) << "only the dropped step stays";
    EXPECT_EQ(lastNotice(), std::pair(false, true));
}

TEST_F(PersonalStore, LoadingSortsKeepsHistoryAndRecordsNothing)
{
    insert(QStringLiteral("x"), QStringLiteral("y"));
    writeBytes(path, "zebra\r\nzebra\r\nabaco\r\n\xE1" "baco\r\nsolo");

    ASSERT_TRUE(store.LoadPersonalDictionary(path));
    EXPECT_EQ(store.RenderEntries(), (QStringList{QStringLiteral("abaco --> ábaco"), QStringLiteral("zebra --> zebra")}));
    EXPECT_EQ(store.HistoryLength(), 1);
    EXPECT_EQ(store.HistoryPosition(), 1);
}

// Loading must give the order that inserting the file's pairs one by one
// gives, whatever the file's order and however many equal words it holds.
TEST(PersonalDictionaryLoad, MatchesOneByOneInsertsOnRandomData)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.per"));
    QRandomGenerator random(42);
    const QString letters = QStringLiteral("aAbàé ");
    QStringList lines;
    QList<std::pair<QString, QString>> pairs;
    for (int i = 0; i < 3000; ++i) {
        QString word;
        for (int length = random.bounded(1, 4); length > 0; --length)
            word += letters.at(random.bounded(letters.size()));
        pairs.append({word, QString::number(i)});
        lines << word << QString::number(i);
    }
    QStringList encoded;
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    writeBytes(path, bytes);

    PersonalDictionary loaded;
    ASSERT_TRUE(loaded.LoadPersonalDictionary(path));

    PersonalDictionary inserted;
    for (auto [word, translation] : pairs)
        ASSERT_TRUE(inserted.InsertEntry(word, translation));

    EXPECT_EQ(loaded.Words(), inserted.Words());
    EXPECT_EQ(loaded.Translations(), inserted.Translations());
    EXPECT_TRUE(std::is_sorted(loaded.Words().cbegin(), loaded.Words().cend()));
}

TEST_F(PersonalStore, SaveWritesSortedPairsThatLoadBack)
{
    insert(QStringLiteral("prezzo"), QStringLiteral("5 €"));
    insert(QStringLiteral("città"), QStringLiteral("cidade"));
    ASSERT_TRUE(store.SavePersonalDictionary());
    EXPECT_EQ(readBytes(path), QByteArray("citt\xE0\r\ncidade\r\nprezzo\r\n5 \x80\r\n"));

    PersonalDictionary again;
    ASSERT_TRUE(again.LoadPersonalDictionary(path));
    EXPECT_EQ(again.RenderEntries(), store.RenderEntries());
}

TEST_F(PersonalStore, EmptyStoreSavesAnEmptyFile)
{
    writeBytes(path, crlfLines({QStringLiteral("a"), QStringLiteral("b")}));
    ASSERT_TRUE(store.SavePersonalDictionary());
    EXPECT_EQ(readBytes(path), QByteArray());
}

TEST_F(PersonalStore, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    const QByteArray old = crlfLines({QStringLiteral("old"), QStringLiteral("velho")});
    writeBytes(path, old);
    for (int i = 0; i < 50; ++i)
        insert(QStringLiteral("word%1").arg(i), QStringLiteral("a translation long enough"));

    SaveResult result;
    {
        const parlora::testfiles::FileSizeLimit diskFull(64);
        result = store.SavePersonalDictionary();
    }
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(readBytes(path), old);
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
