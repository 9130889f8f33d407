#include "dictdentry.h"
#include "dictionaryconversion.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

using namespace parlora::dictconvert;

namespace {

TEST(DictConvert, ArticleShapesYieldHeadwordAndTranslationsOnly)
{
    const struct {
        const char *name, *article, *headword;
        QStringList translations;
    } cases[] = {
        {"OneSenseWithGloss", "abbaiare /abːajˈare/ <v>\nlatir, ladrar\nintransitivo, emettere il verso\n", "abbaiare",
         {"latir", "ladrar"}},
        {"HeaderWithoutPartOfSpeech", "a caso /a kˈazo/\naleatoriamente, ao acaso\nScegliendo senza criterio\n",
         "a caso", {"aleatoriamente", "ao acaso"}},
        {"GlossListAfterTranslation", "pertinente /x/ <adj>\npertinente 2.\nconcernente\n 3.\n}} distintivo\n",
         "pertinente", {"pertinente"}},
        {"NumberedGlossInsideNumberedSense",
         "fondamentale /x/ <adj>\n1. fundamental 2.\n1. che è la base\n 3.\n}}\n2. essencial\n}} necessario\n",
         "fondamentale", {"fundamental", "essencial"}},
        {"GlossStartingWithNextSenseNumber",
         "chiaro /x/ <adj>\n1. claro 2.\n2. di colore tenue\n 3.\nevidente\n2. clara\ncolore\n", "chiaro",
         {"claro", "clara"}},
        {"NumberedGlossAfterSingleSense", "acero /ˈaʧero/ <n>\nbordo, ácer\n1. (botanica) genere di piante\n",
         "acero", {"bordo", "ácer"}},
        {"WikiLinkBracketsRemoved", "vapore acqueo /x/ <n>\nvapor [[d'água]]\n", "vapore acqueo", {"vapor d'água"}},
        {"NoBody", "solo /x/ <n>\n", "solo", {}},
        // Translations split at commas and semicolons outside parentheses; an
        // unclosed parenthesis keeps the rest whole, a stray ")" stops nothing.
        {"CommasInsideParenthesesStay", "h\nalça, maçaneta (porta, finestra)\n", "h",
         {"alça", "maçaneta (porta, finestra)"}},
        {"SemicolonsSeparate", "h\nananás(pt-pt); abacaxi(pt-br)\n", "h", {"ananás(pt-pt)", "abacaxi(pt-br)"}},
        {"UnclosedParenthesis", "h\na (b, c\n", "h", {"a (b, c"}},
        {"StrayClosingParenthesis", "h\na) b, c\n", "h", {"a) b", "c"}},
        {"EmptyPieces", "h\n , ;\n", "h", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const DictdEntry entry = parseDictdEntry(QString::fromUtf8(c.article));
        EXPECT_EQ(entry.headword, QString::fromUtf8(c.headword));
        EXPECT_EQ(entry.translations, c.translations);
    }
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
    EXPECT_EQ(mainDictionaryLines(result.records),
              QStringList({"cane", "cão", "", "cane", "gatilho", "", "Cristoforo", "Cristóvão", "", "essere", "existir",
                           "", "essere", "estar", "", "essere", "ser", "", "Roma", "Roma", ""}));
    EXPECT_EQ(result.articles, 5);
    EXPECT_EQ(result.duplicatesDropped, 2);  // "cão" twice in cane, "estar" in both essere articles
    EXPECT_EQ(result.unencodableSkipped, 1); // the macron of "Cristóvāo"
}

TEST_F(DictdPair, ReportsDamagedInputRatherThanAShorterDictionary)
{
    const auto fails = [&](const QByteArray &extraIndexLine, bool cutDictionaryInHalf) {
        // Only the first article is indexed: a damaged rest must still be noticed.
        QByteArray rest;
        for (int i = 0; i < 4000; ++i)
            rest += QByteArray::number(i * 7919 % 10007);
        write({{"cane", "cane /x/ <n>\ncão\n"}, {"rest", rest}}, {0});
        QFile index(path("t.index"));
        QFile dictionary(path("t.dict.dz"));
        if (!index.open(QIODevice::Append) || index.write(extraIndexLine) < 0
            || !dictionary.open(QIODevice::ReadWrite))
            return false;
        if (cutDictionaryInHalf && !dictionary.resize(dictionary.size() / 2))
            return false;
        index.close();
        dictionary.close();
        return !convert().error.isEmpty();
    };
    EXPECT_FALSE(fails("", false)) << "intact pair";
    EXPECT_TRUE(fails("gatto\tZZZ\tB\n", false)) << "article past the end of the text";
    EXPECT_TRUE(fails("gatto A B\n", false)) << "spaces, not tabs";
    EXPECT_TRUE(fails("", true)) << "gzip file cut in half";
    EXPECT_FALSE(convertDictdFiles(path("none.index"), path("t.dict.dz")).error.isEmpty());
}

} // namespace
