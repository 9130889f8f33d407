#include "dictdentry.h"
#include "dictionaryconversion.h"

#include "platform/textfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

using namespace parlora::dictconvert;

namespace {

struct EntryCase {
    const char *name;
    const char *article;
    const char *headword;
    QStringList translations;
};

void PrintTo(const EntryCase &c, std::ostream *out)
{
    *out << c.name;
}

class DictdEntryShapes : public testing::TestWithParam<EntryCase> {};

TEST_P(DictdEntryShapes, YieldHeadwordAndTranslationsOnly)
{
    const EntryCase &c = GetParam();
    const DictdEntry entry = parseDictdEntry(QString::fromUtf8(c.article));
    EXPECT_EQ(entry.headword, QString::fromUtf8(c.headword));
    EXPECT_EQ(entry.translations, c.translations);
}

INSTANTIATE_TEST_SUITE_P(
    DictConvert, DictdEntryShapes,
    testing::Values(
        EntryCase{"OneSenseWithGloss", "abbaiare /abːajˈare/ <v>\nlatir, ladrar\nintransitivo, emettere il verso\n",
                  "abbaiare", {"latir", "ladrar"}},
        EntryCase{"HeaderWithoutPartOfSpeech", "a caso /a kˈazo/\naleatoriamente, ao acaso\nScegliendo senza criterio\n",
                  "a caso", {"aleatoriamente", "ao acaso"}},
        EntryCase{"CaseKeptAndSeveralPronunciations",
                  "Agadir //agaˈdir// //aˈgadir// <pn>\nAgadir\npaese, città\n", "Agadir", {"Agadir"}},
        EntryCase{"GlossListAfterTranslation",
                  "pertinente /pertiˈnɛnte/ <adj>\npertinente 2.\nconcernente\n 3.\n}} distintivo\n", "pertinente",
                  {"pertinente"}},
        EntryCase{"NumberedSenses",
                  "essere //ˈɛs.se.re// <v>\n1. ser, haver\nausiliare dei verbi intransitivi\n2. haver\n"
                  "ausiliare del riflessivo\n3. ser, estar 2.\ncopula\n 3.\nausiliare del passivo\n",
                  "essere", {"ser", "haver", "haver", "ser", "estar"}},
        EntryCase{"NumberedGlossInsideNumberedSense",
                  "fondamentale /x/ <adj>\n1. fundamental 2.\n1. che è la base\n 3.\n}}\n2. essencial\n}} necessario\n",
                  "fondamentale", {"fundamental", "essencial"}},
        EntryCase{"GlossStartingWithNextSenseNumber",
                  "chiaro /x/ <adj>\n1. claro 2.\n2. di colore tenue\n 3.\nevidente\n2. clara\ncolore\n", "chiaro",
                  {"claro", "clara"}},
        EntryCase{"NumberedGlossAfterSingleSense",
                  "acero /ˈaʧero/ <n>\nbordo, ácer\n1. (botanica) genere di piante arboree\n", "acero",
                  {"bordo", "ácer"}},
        EntryCase{"CommasInsideParenthesesStay",
                  "maniglia /x/ <n>\nalça, maçaneta (porta, finestra)\n", "maniglia",
                  {"alça", "maçaneta (porta, finestra)"}},
        EntryCase{"SemicolonsSeparate", "ananas /x/ <n>\nananás(pt-pt); abacaxi(pt-br), abacaxi\n", "ananas",
                  {"ananás(pt-pt)", "abacaxi(pt-br)", "abacaxi"}},
        EntryCase{"WikiLinkBracketsRemoved", "vapore acqueo /x/ <n>\nvapor [[d'água]]\n", "vapore acqueo",
                  {"vapor d'água"}},
        EntryCase{"NoBody", "solo /x/ <n>\n", "solo", {}}),
    [](const testing::TestParamInfo<EntryCase> &info) { return std::string(info.param.name); });

TEST(DictConvert, SplitTranslationsToleratesUnbalancedParentheses)
{
    // An unclosed parenthesis keeps the rest whole rather than cutting it
    // somewhere arbitrary; a stray ")" does not stop later splits.
    EXPECT_EQ(splitTranslations(u"a (b, c"), QStringList({"a (b, c"}));
    EXPECT_EQ(splitTranslations(u"a) b, c"), QStringList({"a) b", "c"}));
    EXPECT_EQ(splitTranslations(u" , ,"), QStringList());
}

// A tiny dictd pair written the way dictd's tools lay it out.
class DictdPair : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString &name) const { return dir.filePath(name); }

    static QString dictdNumber(qint64 value)
    {
        static const QString digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        QString text;
        do {
            text.prepend(digits[int(value % 64)]);
            value /= 64;
        } while (value > 0);
        return text;
    }

    // Writes the articles (headword, UTF-8 text) into the .dict.dz and the
    // index lines in indexOrder.
    void write(const QList<QPair<QString, QByteArray>> &articles, const QList<int> &indexOrder)
    {
        QByteArray text;
        QStringList lines(articles.size());
        for (int i = 0; i < articles.size(); ++i) {
            lines[i] = articles[i].first + '\t' + dictdNumber(text.size()) + '\t' +
                       dictdNumber(articles[i].second.size());
            text += articles[i].second;
        }
        gzFile gz = gzopen(path("t.dict.dz").toLocal8Bit().constData(), "wb");
        ASSERT_NE(gz, nullptr);
        ASSERT_EQ(gzwrite(gz, text.constData(), unsigned(text.size())), text.size());
        gzclose(gz);
        QFile index(path("t.index"));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        for (int i : indexOrder)
            index.write((lines[i] + '\n').toUtf8());
    }

    ConversionResult convert() { return convertDictdFiles(path("t.index"), path("t.dict.dz")); }

    QTemporaryDir dir;
};

TEST_F(DictdPair, ConvertsInIndexOrderDroppingRepeatsAndUnencodableText)
{
    write({{"00databaseinfo", "00-database-info\nabout this dictionary\n"},
           {"Roma", "Roma /ˈroma/ <pn>\nRoma\ncittà\n"},
           {"cane", "cane /ˈkane/ <n>\n1. cão\nanimale\n2. cão, gatilho\narma\n"},
           {"essere", "essere /x/ <n>\nexistir, estar\nesistere\n"},
           {"essere", "essere /x/ <v>\nser, estar\n"},
           {"Cristoforo", "Cristoforo /x/ <pn>\nCristóvāo, Cristóvão\n"}},
          {0, 2, 5, 3, 4, 1});

    const ConversionResult result = convert();
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    const QStringList lines = mainDictionaryLines(result.records);
    EXPECT_EQ(lines, QStringList({"cane", "cão", "", "cane", "gatilho", "", "Cristoforo", "Cristóvão", "",
                                  "essere", "existir", "", "essere", "estar", "", "essere", "ser", "", "Roma",
                                  "Roma", ""}));
    EXPECT_EQ(result.articles, 5);
    EXPECT_EQ(result.duplicatesDropped, 2);  // "cão" twice in cane, "estar" in both essere articles
    EXPECT_EQ(result.unencodableSkipped, 1); // the macron of "Cristóvāo"
}

TEST_F(DictdPair, OutputIsWindows1252WithCrLf)
{
    write({{"cane", "cane /x/ <n>\ncão\n"}}, {0});
    const ConversionResult result = convert();
    ASSERT_TRUE(result.error.isEmpty());
    ASSERT_TRUE(parlora::writeTextLines(path("out.diz"), mainDictionaryLines(result.records)));
    QFile out(path("out.diz"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), QByteArray("cane\r\nc\xE3o\r\n\r\n"));
}

TEST_F(DictdPair, ReportsDamagedInput)
{
    write({{"cane", "cane /x/ <n>\ncão\n"}}, {0});
    QFile index(path("t.index"));
    ASSERT_TRUE(index.open(QIODevice::Append));
    index.write("gatto\tA\tZZ\n"); // runs past the end of the text
    index.close();
    EXPECT_FALSE(convert().error.isEmpty());

    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("gatto A B\n"); // spaces, not tabs
    index.close();
    EXPECT_FALSE(convert().error.isEmpty());

    // A gzip file cut in half must not pass as a shorter dictionary.
    write({{"cane", QByteArray("cane /x/ <n>\ncão\n").repeated(200)}}, {0});
    QFile dz(path("t.dict.dz"));
    ASSERT_TRUE(dz.open(QIODevice::ReadWrite));
    dz.resize(dz.size() / 2);
    dz.close();
    EXPECT_FALSE(convert().error.isEmpty());

    EXPECT_FALSE(convertDictdFiles(path("none.index"), path("t.dict.dz")).error.isEmpty());
}

} // namespace
