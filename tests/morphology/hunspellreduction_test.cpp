#include "morphology/baseforms.h"
#include "morphology/hunspellreduction.h"
#include "morphology/hunspellstemmer.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace parlora::morphology;

namespace {

using parlora::testfiles::readBytes;
using parlora::testfiles::writeBytes;

// parlare's class A makes "parlato", which class B continues to "parlata";
// class C belongs only to words that are not kept.
const QByteArray Affixes = "SET UTF-8\nFORBIDDENWORD !\n"
                           "SFX A Y 2\nSFX A are ando are\nSFX A are ato/B are\n"
                           "SFX B Y 1\nSFX B o a o\n"
                           "SFX C Y 1\nSFX C e i e\n";
const QByteArray Words = "4\nparlare/A\ncane/C\nCittà\ngatto/C\tpo:noun\n";

bool keepParlareAndCitta(const QString &word)
{
    return word == QLatin1String("parlare") || word == QStringLiteral("città");
}

TEST(HunspellReduction, KeepsTheWordsAskedForAndTheClassesTheyReach)
{
    const std::optional<HunspellFiles> reduced = reducedDictionary({Affixes, Words}, keepParlareAndCitta);
    ASSERT_TRUE(reduced);
    EXPECT_EQ(reduced->words, "2\nparlare/A\nCittà\n") << "compared in lower case, written as they were";
    EXPECT_TRUE(reduced->affixes.contains("SFX A are ato/B are"));
    EXPECT_TRUE(reduced->affixes.contains("SFX B o a o")) << "reached through class A";
    EXPECT_FALSE(reduced->affixes.contains("SFX C"));
    EXPECT_TRUE(reduced->affixes.contains("FORBIDDENWORD !"));

    // What matters: the reduced copy stems the kept words' forms as before.
    QTemporaryDir dir;
    writeBytes(dir.filePath("full.aff"), Affixes);
    writeBytes(dir.filePath("full.dic"), Words);
    writeBytes(dir.filePath("reduced.aff"), reduced->affixes);
    writeBytes(dir.filePath("reduced.dic"), reduced->words);
    const HunspellStemmer full({dir.filePath("full")});
    const HunspellStemmer small({dir.filePath("reduced")});
    for (const char *form : {"parlando", "parlato", "parlata"}) {
        EXPECT_EQ(small.stems(QString::fromUtf8(form)), full.stems(QString::fromUtf8(form))) << form;
        EXPECT_EQ(small.stems(QString::fromUtf8(form)), QStringList{"parlare"}) << form;
    }
}

TEST(HunspellReduction, EncodingsAndFlagKinds)
{
    // Latin-1 words are compared decoded and written back byte for byte.
    const QByteArray latin1Words = "2\ncitt\xE0\ncane\n";
    const std::optional<HunspellFiles> latin1 =
        reducedDictionary({"SET ISO8859-1\n", latin1Words}, keepParlareAndCitta);
    ASSERT_TRUE(latin1);
    EXPECT_EQ(latin1->words, "1\ncitt\xE0\n");

    EXPECT_FALSE(reducedDictionary({"SET ISO8859-15\n", latin1Words}, keepParlareAndCitta))
        << "an encoding we cannot write back unchanged";

    // Two-character flags: the word list shrinks, every class stays.
    const QByteArray longFlags = "FLAG long\nSFX Aa Y 1\nSFX Aa are ando are\nSFX Cc Y 1\nSFX Cc e i e\n";
    const std::optional<HunspellFiles> aliased =
        reducedDictionary({longFlags, "2\nparlare/Aa\ncane/Cc\n"}, keepParlareAndCitta);
    ASSERT_TRUE(aliased);
    EXPECT_EQ(aliased->affixes, longFlags);
    EXPECT_EQ(aliased->words, "1\nparlare/Aa\n");

    // A byte-order mark and Windows line ends, as some dictionaries ship.
    const std::optional<HunspellFiles> marked =
        reducedDictionary({"\xEF\xBB\xBFSET UTF-8\r\nFLAG UTF-8\r\nSFX \xC3\xA9 Y 1\r\nSFX \xC3\xA9 are ando are\r\n",
                           "\xEF\xBB\xBF" "1\r\nparlare/\xC3\xA9\r\n"},
                          keepParlareAndCitta);
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->words, "1\nparlare/\xC3\xA9\n");
    EXPECT_TRUE(marked->affixes.contains("SFX \xC3\xA9 are ando are")) << "a UTF-8 flag is one flag";
}

// The test dictionary in a temporary folder, with a cache folder beside it.
class CachedDictionary : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeBytes(dir.filePath("full.aff"), Affixes);
        writeBytes(dir.filePath("full.dic"), Words);
        ASSERT_TRUE(QDir().mkpath(cache));
    }
    // Base forms reducing Hunspell to the headwords under the key.
    std::unique_ptr<BaseForms> reducedTo(const QString &key, const QStringList &headwords) const
    {
        auto forms = std::make_unique<BaseForms>(dir.filePath("none.forms"), QStringList{dir.filePath("full")}, cache);
        forms->reduceHunspellTo(key, [headwords] { return headwords; });
        return forms;
    }

    QTemporaryDir dir;
    const QString cache = dir.filePath("cache");
};

// The copy lives in the cache folder under its key: made once, used, and
// replaced (the old one removed) when the headwords change.
TEST_F(CachedDictionary, BaseFormsMakeUseAndReplaceTheCachedCopy)
{
    const auto isHeadword = [](const QString &word) { return word == QLatin1String("parlare"); };
    const auto copies = [&] { return QDir(cache).entryList({"hunspell-full-*"}, QDir::Files); };
    EXPECT_EQ(reducedTo("first", {"parlare"})->baseForms("parlata", isHeadword), QStringList{"parlare"});
    const QStringList first = copies();
    ASSERT_EQ(first.size(), 3) << ".aff, .dic and the answers kept";
    EXPECT_EQ(reducedTo("second", {"parlare", "cane"})->baseForms("parlando", isHeadword), QStringList{"parlare"});
    const QStringList second = copies();
    EXPECT_EQ(second.size(), 3);
    EXPECT_NE(second, first) << "the old copy and its answers are removed";
}

// Hunspell's answers kept beside the copy are used instead of loading it:
// an answer planted in the file is what the next program gets.
TEST_F(CachedDictionary, KeptAnswersSpareLoadingHunspell)
{
    const auto headword = [](const QString &word) { return word == QLatin1String("parlare") || word == QLatin1String("cane"); };
    const auto lookUp = [&](const QString &form) { return reducedTo("key", {"parlare", "cane"})->baseForms(form, headword); };
    EXPECT_EQ(lookUp("parlata"), QStringList{"parlare"});
    const QStringList answers = QDir(cache).entryList({"*.stems"}, QDir::Files);
    ASSERT_EQ(answers.size(), 1);
    const QString file = QDir(cache).filePath(answers.first());
    EXPECT_EQ(readBytes(file), "parlata\tparlare\n");

    writeBytes(file, "parlata\tcane\nparlando\tcane"); // the second line cut short
    EXPECT_EQ(lookUp("parlata"), QStringList{"cane"}) << "the kept answer";
    EXPECT_EQ(lookUp("parlando"), QStringList{"parlare"}) << "a line cut short is no answer";
    EXPECT_EQ(readBytes(file), "parlata\tcane\nparlando\tcane\nparlando\tparlare\n") << "a new line after the cut one";

    // A word Hunspell knows nothing of is an answer too, kept once.
    EXPECT_EQ(lookUp("qwzx"), QStringList{});
    EXPECT_EQ(lookUp("qwzx"), QStringList{});
    EXPECT_TRUE(readBytes(file).endsWith("parlando\tparlare\nqwzx\t\n"));
}

} // namespace
