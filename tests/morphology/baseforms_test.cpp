#include "morphology/baseforms.h"
#include "morphology/mappedformtable.h"
#include "testfiles.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qtprinters.h"

using namespace parlora::morphology;

namespace {

using parlora::testfiles::writeBytes;

// A tiny Hunspell dictionary: libro and casa with an -o/-a to -i/-e plural.
void writeTinyHunspell(const QString &base)
{
    writeBytes(base + ".aff", "SET UTF-8\nSFX A Y 2\nSFX A o i o\nSFX A a e a\n");
    writeBytes(base + ".dic", "3\nlibro/A\ncasa/A\nfalò\n");
}

TEST(FormTable, ReadsFormsAndRulesAndSkipsWhatIsNeither)
{
    FormTable table;
    const FormTable::LoadResult result = table.parse(QStringLiteral(
        "# comment\r\nfui\tessere\r\nfui\tandare\nFUI\tessere\n\n*arlo\t*are\nrotto\n*solo\tparola\n*\t*x\ndue\ttab\textra\n"));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(table.bases(QStringLiteral("fui")), (QStringList{"essere", "andare"})) << "each base once, in file order";
    EXPECT_EQ(table.rewrites(QStringLiteral("mangiarlo")), QStringList{"mangiare"});
    EXPECT_EQ(table.rewrites(QStringLiteral("arlo")), QStringList()) << "the ending alone is no word";
    EXPECT_EQ(result.skippedLines.size(), 4);
    EXPECT_EQ(table.ruleCount(), 1);
}

// A form with many bases and a word that many rules fit: each base and each
// rewritten word once, in file order, in time that grows with their number
// (each once took a search of all those before it: 60,000 took minutes).
TEST(FormTable, ManyBasesAndManyFittingRulesCostTheirNumberNotItsSquare)
{
    constexpr int Count = 60'000;
    QString text;
    for (int i = 0; i < Count; ++i)
        text += QStringLiteral("case\tcasa%1\n*o\t*are%1\ncase\tcasa%1\n").arg(i);
    QElapsedTimer timer;
    timer.start();
    FormTable table;
    ASSERT_TRUE(table.parse(text).ok);
    const QStringList bases = table.bases(QStringLiteral("case"));
    const QStringList rewritten = table.rewrites(QStringLiteral("parlo"));
    QTemporaryDir dir;
    writeBytes(dir.filePath("forms"), text.toUtf8());
    const BaseForms forms(dir.filePath("forms"), {});
    const QStringList found = forms.baseForms(QStringLiteral("parlo"), [](const QString &) { return true; });
    // About 2 s with sanitizers on a busy machine; over 5 minutes as it was.
    EXPECT_LT(timer.elapsed(), 30000) << "milliseconds";

    ASSERT_EQ(bases.size(), Count);
    EXPECT_EQ(bases.front(), QStringLiteral("casa0"));
    EXPECT_EQ(bases.back(), QStringLiteral("casa%1").arg(Count - 1));
    ASSERT_EQ(rewritten.size(), Count);
    EXPECT_EQ(rewritten.at(1), QStringLiteral("parlare1"));
    EXPECT_EQ(found, rewritten);
}

TEST(BaseForms, TheTableAndItsRulesFirstTheStemmerOnlyWhenTheyFindNoHeadword)
{
    QTemporaryDir dir;
    writeTinyHunspell(dir.filePath("tiny"));
    writeBytes(dir.filePath("forms"), "uomini\tuomo\nfalamos\tfalar\n*e\t*a\n*arlo\t*are\n");
    const BaseForms forms(dir.filePath("forms"), {dir.filePath("missing"), dir.filePath("tiny")});
    const QStringList headwords{"uomo", "casa", "caso", "libro", "parlare", "falar", "falir"};
    const auto isHeadword = [&](const QString &word) { return headwords.contains(word); };
    const struct {
        const char *word;
        QStringList found;
    } rows[] = {
        {"uomini", {"uomo"}},
        {"case", {"casa"}},      // the rule's headword; the stemmer is not asked
        {"libri", {"libro"}},    // no rule fits: the stemmer's stem
        {"parlarlo", {"parlare"}},
        {"falamos", {"falar"}},  // listed forms are settled
        {"casa", {}},            // never the word itself
        {"xyz", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(forms.baseForms(QString::fromUtf8(row.word), isHeadword), row.found) << row.word;
    EXPECT_TRUE(forms.hunspellLoaded());
    EXPECT_EQ(forms.baseForms("case", [](const QString &word) { return word == "caso"; }), QStringList())
        << "only headwords are found";
}

TEST(BaseForms, MissingFilesMeanNoCandidatesNeverAnError)
{
    QTemporaryDir dir;
    const BaseForms forms(dir.filePath("none.forms"), {dir.filePath("none")});
    forms.loadInBackground();
    EXPECT_TRUE(forms.tableLoadResult().ok);
    EXPECT_FALSE(forms.hunspellLoaded());
    EXPECT_EQ(forms.baseForms("parliamo", [](const QString &) { return true; }), QStringList());

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.forms"));
    const BaseForms unreadable(dir.filePath("folder.forms"), {});
    EXPECT_FALSE(unreadable.tableLoadResult().ok);
}

// The mapped cache of a table answers as the table it was made from: every
// form of the shipped tables, and what their rules make of them; stale or
// damaged, it is refused.
TEST(MappedFormTable, AnswersAsItsTableAndRefusesDamage)
{
    for (const char *file : {PARLORA_DIST "/dic/ital.forms", PARLORA_DIST "/dic/portugal.forms"}) {
        SCOPED_TRACE(file);
        FormTable table;
        ASSERT_TRUE(table.load(QString::fromUtf8(file)).ok);
        const MappedFormTable::Stamp stamp{1, 2};
        const QByteArray bytes = MappedFormTable::serialize(stamp, table);
        const std::unique_ptr<MappedFormTable> mapped = MappedFormTable::fromBytes(bytes, stamp);
        ASSERT_TRUE(mapped);
        for (auto it = table.forms().cbegin(); it != table.forms().cend(); ++it) {
            ASSERT_EQ(mapped->bases(it.key()), it.value()) << it.key().toStdString();
            ASSERT_EQ(mapped->rewrites(it.key()), table.rewrites(it.key())) << it.key().toStdString();
        }
        EXPECT_EQ(mapped->bases("zzz"), QStringList());
        EXPECT_FALSE(MappedFormTable::fromBytes(bytes, {1, 3})) << "stale";
        EXPECT_FALSE(MappedFormTable::fromBytes(bytes.left(bytes.size() - 1), stamp)) << "cut short";
    }
}

// The system dictionaries and our tables together, on forms a learner meets
// first. Skipped where the Debian dictionaries are not installed.
TEST(BaseForms, SystemDictionariesAndShippedTablesFindCommonForms)
{
    if (!QFileInfo::exists(SystemDictionaryFolder + "/it_IT.dic") || !QFileInfo::exists(SystemDictionaryFolder + "/pt_BR.dic"))
        GTEST_SKIP() << "hunspell-it and hunspell-pt-br are not installed";
    const struct {
        bool italian;
        const char *form;
        const char *base;
    } rows[] = {
        {true, "parliamo", "parlare"}, {true, "andrò", "andare"},   {true, "vengono", "venire"},
        {true, "uomini", "uomo"},      {true, "dimmi", "dire"},     {true, "case", "casa"},
        {false, "falamos", "falar"},   {false, "fiz", "fazer"},     {false, "pães", "pão"},
        {false, "diga-me", "dizer"},   {false, "fazê-lo", "fazer"}, {false, "idéia", "ideia"},
    };
    // Once with the system dictionaries, once with copies reduced to the
    // headwords, as the terminal tool loads them.
    QTemporaryDir cache;
    for (const bool reduced : {false, true}) {
        PairBaseForms forms(PARLORA_DIST "/dic/ital.forms", PARLORA_DIST "/dic/portugal.forms",
                            SystemDictionaryFolder, cache.path());
        if (reduced) {
            for (const bool italian : {true, false}) {
                forms.source(italian).reduceHunspellTo("key", [&rows, italian] {
                    QStringList headwords;
                    for (const auto &row : rows)
                        if (row.italian == italian)
                            headwords.append(QString::fromUtf8(row.base));
                    return headwords;
                });
            }
        }
        for (const auto &row : rows) {
            SCOPED_TRACE(std::string(row.form) + (reduced ? " (reduced)" : ""));
            const QString base = QString::fromUtf8(row.base);
            EXPECT_EQ(forms.source(row.italian).baseForms(QString::fromUtf8(row.form),
                                                          [&](const QString &word) { return word == base; }),
                      QStringList{base});
        }
    }
}

} // namespace
