#include "dictdentry.h"
#include "dictionaryconversion.h"
#include "freedictcleaning.h"
#include "lexicon.h"
#include "wordlanguage.h"

#include "testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

using namespace parlora::dictconvert;
using parlora::testfiles::writeBytes;

namespace {

// A vocabulary per language, so the rules can be checked without the
// system's dictionaries.
class FakeKnowledge : public WordKnowledge {
public:
    FakeKnowledge(QStringList italian, QStringList brazilian, QStringList european = {}, QStringList english = {})
    {
        m_words[0] = QSet<QString>(italian.cbegin(), italian.cend());
        m_words[1] = QSet<QString>(brazilian.cbegin(), brazilian.cend());
        m_words[2] = QSet<QString>(european.cbegin(), european.cend());
        m_words[3] = QSet<QString>(english.cbegin(), english.cend());
    }
    bool available(Speller) const override { return true; }
    // Like Hunspell, a capitalised word is known when its lower-case form is.
    bool knows(Speller speller, const QString &word) const override
    {
        return m_words[int(speller)].contains(word) || m_words[int(speller)].contains(word.toLower());
    }

private:
    QSet<QString> m_words[SpellerCount];
};

const FakeKnowledge &vocabulary()
{
    static const FakeKnowledge knowledge(
        {"protezione", "da", "qualcosa", "di", "esterno", "castello", "portoghese", "superficie", "tablet", "ok"},
        {"da", "tela", "ecrã", "castelo", "ideia", "voo", "cinquenta", "heroico", "acadêmico", "eletrônico",
         "atividade", "letão", "pacto", "pato", "ácido", "carbônico", "módulo", "de", "olhar", "Florença", "sable"},
        {"académico"}, {"tablet", "gules", "commodity", "ok", "sable", "Young"});
    return knowledge;
}

TEST(DictConvert, ArticleShapesYieldHeadwordPartOfSpeechAndTranslationsOnly)
{
    const GlossTest italianGloss = [](QStringView text) { return readsAsItalianGloss(vocabulary(), text); };
    const struct {
        const char *name, *article, *headword, *partOfSpeech;
        QStringList translations;
        bool withGlossTest = false;
    } cases[] = {
        {"OneSenseWithGloss", "abbaiare /abːajˈare/ <v>\nlatir, ladrar\nintransitivo, emettere il verso\n", "abbaiare",
         "v", {"latir", "ladrar"}},
        {"HeaderWithoutPartOfSpeech", "a caso /a kˈazo/\naleatoriamente, ao acaso\nScegliendo senza criterio\n",
         "a caso", "", {"aleatoriamente", "ao acaso"}},
        {"GlossListAfterTranslation", "pertinente /x/ <adj>\npertinente 2.\nconcernente\n 3.\n}} distintivo\n",
         "pertinente", "adj", {"pertinente"}},
        {"NumberedGlossInsideNumberedSense",
         "fondamentale /x/ <adj>\n1. fundamental 2.\n1. che è la base\n 3.\n}}\n2. essencial\n}} necessario\n",
         "fondamentale", "adj", {"fundamental", "essencial"}},
        {"GlossStartingWithNextSenseNumber",
         "chiaro /x/ <adj>\n1. claro 2.\n2. di colore tenue\n 3.\nevidente\n2. clara\ncolore\n", "chiaro", "adj",
         {"claro", "clara"}},
        {"NumberedGlossAfterSingleSense", "acero /ˈaʧero/ <n>\nbordo, ácer\n1. (botanica) genere di piante\n",
         "acero", "n", {"bordo", "ácer"}},
        {"WikiLinkBracketsRemoved", "vapore acqueo /x/ <n>\nvapor [[d'água]]\n", "vapore acqueo", "n",
         {"vapor d'água"}},
        {"NoBody", "Roma /x/ <pn>\n", "Roma", "pn", {}},
        // Right after a sense, a line numbered as the next sense may be an
        // Italian gloss; the gloss test tells, and a Portuguese line stays a sense.
        {"ItalianGlossWithTheNextNumber",
         "schermo /x/ <n>\n1. tela, ecrã\n1. superficie di un dispositivo\n2. ecrã\n3. protezione da qualcosa di "
         "esterno\n",
         "schermo", "n", {"tela", "ecrã", "ecrã"}, true},
        {"PortugueseSenseRightAfterASense", "x /x/ <n>\n1. tela\n2. castelo\n", "x", "n", {"tela", "castelo"}, true},
        {"WithoutTestTheNumberedGlossIsASense", "x /x/ <n>\n1. tela\n2. protezione da qualcosa\n", "x", "n",
         {"tela", "protezione da qualcosa"}},
        // Translations split at commas and semicolons outside parentheses; an
        // unclosed parenthesis keeps the rest whole, a stray ")" stops nothing.
        {"CommasInsideParenthesesStay", "h\nalça, maçaneta (porta, finestra)\n", "h", "",
         {"alça", "maçaneta (porta, finestra)"}},
        {"SemicolonsSeparate", "h\nananás(pt-pt); abacaxi(pt-br)\n", "h", "", {"ananás(pt-pt)", "abacaxi(pt-br)"}},
        {"UnclosedParenthesis", "h\na (b, c\n", "h", "", {"a (b, c"}},
        {"StrayClosingParenthesis", "h\na) b, c\n", "h", "", {"a) b", "c"}},
        {"EmptyPieces", "h\n , ;\n", "h", "", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const DictdEntry entry = parseDictdEntry(QString::fromUtf8(c.article), c.withGlossTest ? italianGloss : GlossTest());
        EXPECT_EQ(entry.headword, QString::fromUtf8(c.headword));
        EXPECT_EQ(entry.partOfSpeech, QString::fromUtf8(c.partOfSpeech));
        EXPECT_EQ(entry.translations, c.translations);
    }
}

TEST(DictConvert, TextRulesLeaveOnlyWhatAUserTypes)
{
    using R = CleaningRule;
    const struct {
        const char *name, *text;
        QStringList expected; // empty: dropped by dropRule
        R rule;               // the drop rule, or a change rule that must be reported
    } cases[] = {
        {"NoteAfterAVerb", "olhar (para)", {"olhar"}, R::NotesRemoved},
        {"NoteInTheHeadwordsLanguage", "maçaneta (porta, finestra)", {"maçaneta"}, R::NotesRemoved},
        {"NoteBeforeAWord", "(colloquiale) emputecer", {"emputecer"}, R::NotesRemoved},
        {"OptionalLettersAtTheStartStay", "(a)parafusar", {"aparafusar"}, R::NotesRemoved},
        {"OptionalEndingGoes", "quebrar(-se)", {"quebrar"}, R::NotesRemoved},
        {"VarietyMarkGoes", "ananás(pt-pt)", {"ananás"}, R::NotesRemoved},
        {"SquareBracketsToo", "bairro [zona]", {"bairro"}, R::NotesRemoved},
        {"UnclosedNoteRunsToTheEnd", "a (b, c", {"a"}, R::NotesRemoved},
        {"StrayClosingBracket", "a) b", {"a b"}, R::NotesRemoved},
        {"PronounMarksAConjugatedForm", "(eu) alugo", {}, R::InflectedForm},
        {"SeveralPronouns", "(você/ele/ela) queira", {}, R::InflectedForm},
        {"PronounAfterTheForm", "não esqueça (você)", {}, R::InflectedForm},
        {"OnlyANote", "(colloquiale)", {}, R::NothingLeft},
        {"GenderMark", "casaco m", {"casaco"}, R::MarksRemoved},
        {"GenderMarkInside", "edifício m de apartamentos", {"edifício de apartamentos"}, R::MarksRemoved},
        {"FeminineEndingAndMarks", "louco/a m/f", {"louco"}, R::MarksRemoved},
        {"SeveralEndings", "ficar puto/a/os/as (da vida)", {"ficar puto"}, R::MarksRemoved},
        {"WholeAlternatives", "atualização (Brasil)/actualização (Portugal)", {"atualização", "actualização"},
         R::AlternativesSplit},
        {"WordAlternativeKeepsTheFirst", "lavador de louça/louças", {"lavador de louça"}, R::AlternativesSplit},
        {"EndPunctuation", "quem dera!", {"quem dera"}, R::PunctuationTrimmed},
        {"PlainTextUntouched", "café da manhã", {"café da manhã"}, R::NothingLeft},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TextCleaning cleaned = cleanTranslationText(QString::fromUtf8(c.text));
        EXPECT_EQ(cleaned.translations, c.expected);
        if (c.expected.isEmpty())
            EXPECT_EQ(cleaned.dropRule, c.rule);
        else if (c.rule != R::NothingLeft)
            EXPECT_TRUE(cleaned.changes.contains(c.rule));
        else
            EXPECT_TRUE(cleaned.changes.isEmpty());
    }
}

TEST(DictConvert, CapitalsFollowTheHeadword)
{
    const struct {
        const char *headword, *translation, *expected;
    } cases[] = {
        {"agosto", "Agosto", "agosto"},
        {"energia potenziale", "Energia potencial", "energia potencial"},
        {"codice postale", "CEP", "CEP"},                    // an acronym
        {"medioevo", "Idade Média", "Idade Média"},          // a name: more capitals
        {"Firenze", "Florença", "Florença"},                 // a capital headword
        {"Mar Mediterraneo", "mar Mediterrâneo", "mar Mediterrâneo"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(followHeadwordCase(QString::fromUtf8(c.headword), QString::fromUtf8(c.translation)),
                  QString::fromUtf8(c.expected))
            << c.headword;
    }
}

TEST(DictConvert, SpellingFollowsTheAgreementInItsBrazilianForm)
{
    const SpellingUpdater updater(vocabulary(), {{"facto", "fato"}, {"Vénus", "Vênus"}});
    const struct {
        const char *old, *italian, *current;
    } cases[] = {
        {"idéia", "idea", "ideia"},
        {"vôo", "volo", "voo"},
        {"cinqüenta", "cinquanta", "cinquenta"},
        {"heróico", "eroico", "heroico"},
        {"académico", "accademico", "acadêmico"},           // a European accent
        {"electrónico", "elettronico", "eletrônico"},       // two changes at once
        {"actividade", "attività", "atividade"},
        {"ácido carbónico", "acido carbonico", "ácido carbônico"},
        {"facto", "fatto", "fato"},                         // from the table
        {"Facto", "Fatto", "Fato"},                         // the table's word capitalised
        {"leptão", "leptone", "leptão"},                    // Italian keeps the p: not letão
        {"ecrã", "schermo", "ecrã"},                        // a European word the Brazilian dictionary knows
        {"pacto", "patto", "pacto"},                        // known words are never respelled
        {"xyzzy", "x", "xyzzy"},                            // nothing known to respell to
    };
    for (const auto &c : cases)
        EXPECT_EQ(updater.update(QString::fromUtf8(c.old), QString::fromUtf8(c.italian)), QString::fromUtf8(c.current))
            << c.old;
}

TEST(DictConvert, RecordRulesDropWhatIsNotAPortugueseTranslation)
{
    const SpellingUpdater updater(vocabulary(), {});
    CleaningSetup setup{&vocabulary(), &updater, {{"nero", "sable"}}};
    const struct {
        const char *name, *headword, *partOfSpeech, *translation;
        QStringList expected;
        CleaningRule rule; // counted once when the record is dropped
    } cases[] = {
        {"NameTheSame", "Fabio", "pn", "Fábio", {}, CleaningRule::ProperNameCopied},
        {"NameThatDiffers", "Firenze", "pn", "Florença", {"Florença"}, CleaningRule::ProperNameCopied},
        {"CopiedUntranslated", "castello", "n", "castello", {}, CleaningRule::ItalianWords},
        {"ItalianWordLeft", "Europa", "n", "Portoghese", {}, CleaningRule::ItalianWords},
        {"English", "rosso", "n", "gules", {}, CleaningRule::EnglishWords},
        {"LoanNoPortugueseDictionaryKnows", "tablet", "n", "tablet", {}, CleaningRule::ItalianWords},
        {"NameSharedWithTheHeadword", "modulo di Young", "n", "módulo de Young", {"módulo de Young"},
         CleaningRule::EnglishWords},
        {"ListedAsWrong", "nero", "n", "sable", {}, CleaningRule::Rejected},
        {"NotInTheCodePage", "Cristoforo", "pn", "Cristóvāo", {}, CleaningRule::NotWindows1252},
        {"ControlCharacter", "x", "n", "a\u0081b", {}, CleaningRule::NotWindows1252},
        {"SpelledAnewThenKept", "idea", "n", "idéia", {"ideia"}, CleaningRule::ItalianWords},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CleaningCounts counts;
        const DictdEntry entry{QString::fromUtf8(c.headword), QString::fromUtf8(c.partOfSpeech), {}};
        EXPECT_EQ(cleanTranslation(entry, QString::fromUtf8(c.translation), setup, counts), c.expected);
        EXPECT_EQ(counts[c.rule], c.expected.isEmpty() ? 1 : 0);
    }
}

TEST(DictConvert, LexiconLinesWithFaultsAreReportedAndLeftOut)
{
    const QString text = QString::fromUtf8("# comment\n"
                                           "\n"
                                           "casa\tcasa\tn\r\n"
                                           "casa\tlar\tn\n"
                                           "giacca\tcasaco m\tn\n"
                                           "guardare\tolhar (para)\tv\n"
                                           "ok\tok\tinterj\n"
                                           "castello\tcastello\tn\n"
                                           "bello\tbonito\n"
                                           "fare\tfazer\tverb\n"
                                           "strada\tcaminho\u2019s\tn\n");
    LexiconReadResult read;
    parseLexiconText(text, LexiconDirection::ItalianToPortuguese, "it-pt/x.tsv", &vocabulary(), read);
    QStringList kept;
    for (const LexiconLine &line : read.lines)
        kept << line.headword + '=' + line.translation;
    EXPECT_EQ(kept, QStringList({"casa=casa", "casa=lar", "fare=fazer"}));
    EXPECT_EQ(read.skippedLines, 6);
    ASSERT_EQ(read.problems.size(), 7);
    EXPECT_TRUE(read.problems[0].startsWith("it-pt/x.tsv:5: gender")) << read.problems[0].toStdString();
    EXPECT_TRUE(read.problems[1].startsWith("it-pt/x.tsv:6: \"(\"")) << read.problems[1].toStdString();
    EXPECT_TRUE(read.problems[2].contains("Italian word on the Portuguese side: ok")) << read.problems[2].toStdString();
    EXPECT_TRUE(read.problems[3].contains("castello")) << read.problems[3].toStdString();
    EXPECT_TRUE(read.problems[4].contains("three")) << read.problems[4].toStdString();
    EXPECT_TRUE(read.problems[5].contains("line kept")) << read.problems[5].toStdString();
    EXPECT_TRUE(read.problems[6].contains("typographic")) << read.problems[6].toStdString();
}

LexiconLine itPt(const char *italian, const char *portuguese)
{
    return {LexiconDirection::ItalianToPortuguese, QString::fromUtf8(italian), QString::fromUtf8(portuguese), "n", ""};
}
LexiconLine ptIt(const char *portuguese, const char *italian)
{
    return {LexiconDirection::PortugueseToItalian, QString::fromUtf8(portuguese), QString::fromUtf8(italian), "n", ""};
}

QStringList pairs(const QList<DictionaryRecord> &records)
{
    QStringList result;
    for (const DictionaryRecord &record : records)
        result << record.language1 + '=' + record.language2;
    return result;
}

// Records shown for one side, in file order: what a query of that word lists.
QStringList shownFor(const QList<DictionaryRecord> &records, const QString &word, bool italianSide)
{
    QStringList shown;
    for (const DictionaryRecord &record : records) {
        if ((italianSide ? record.language1 : record.language2).toLower() == word)
            shown << (italianSide ? record.language2 : record.language1);
    }
    return shown;
}

TEST(DictConvert, LexiconOrderShowsEachHeadwordsRankingInBothDirections)
{
    // volta ranks vez before volta; the Portuguese vez ranks volta before
    // occasione; the pt-it lines add a pair (giro = volta) no Italian line ranks.
    const OrderedLexicon ordered = orderLexicon({
        ptIt("volta", "ritorno"), ptIt("volta", "giro"), ptIt("volta", "volta"),
        itPt("volta", "vez"), itPt("volta", "volta"), itPt("ritorno", "volta"), itPt("ritorno", "regresso"),
        ptIt("vez", "volta"), ptIt("vez", "occasione"), itPt("VOLTA", "Vez"), // repeated up to case
    });
    EXPECT_EQ(ordered.cyclesBroken, 0);
    EXPECT_EQ(ordered.repeatedLines, 4);
    EXPECT_EQ(ordered.records.size(), 6);
    EXPECT_EQ(shownFor(ordered.records, "volta", true), QStringList({"vez", "volta"}));
    EXPECT_EQ(shownFor(ordered.records, "ritorno", true), QStringList({"volta", "regresso"}));
    EXPECT_EQ(shownFor(ordered.records, "volta", false), QStringList({"ritorno", "giro", "volta"}));
    EXPECT_EQ(shownFor(ordered.records, "vez", false), QStringList({"volta", "occasione"}));
    // The order is a function of the lines alone.
    EXPECT_EQ(pairs(orderLexicon({ptIt("volta", "ritorno"), ptIt("volta", "giro"), ptIt("volta", "volta"),
                                  itPt("volta", "vez"), itPt("volta", "volta"), itPt("ritorno", "volta"),
                                  itPt("ritorno", "regresso"), ptIt("vez", "volta"), ptIt("vez", "occasione")})
                        .records),
              pairs(ordered.records));
}

TEST(DictConvert, ContradictoryRankingsAreBrokenOnceAndCounted)
{
    // a ranks x before y, b ranks y before x; x ranks b before a, y ranks a before b.
    const OrderedLexicon ordered = orderLexicon({itPt("a", "x"), itPt("a", "y"), itPt("b", "y"), itPt("b", "x"),
                                                 ptIt("x", "b"), ptIt("x", "a"), ptIt("y", "a"), ptIt("y", "b")});
    EXPECT_EQ(ordered.cyclesBroken, 1);
    EXPECT_EQ(ordered.records.size(), 4);
    int kept = 0;
    for (const auto &[word, italianSide, first, second] :
         {std::tuple{"a", true, "x", "y"}, {"b", true, "y", "x"}, {"x", false, "b", "a"}, {"y", false, "a", "b"}}) {
        kept += shownFor(ordered.records, word, italianSide) == QStringList({first, second});
    }
    EXPECT_EQ(kept, 3) << pairs(ordered.records).join(' ').toStdString();
}

TEST(DictConvert, MergePutsTheLexiconFirstAndTrimsWeakRecordsToTheLimit)
{
    const OrderedLexicon lexicon = orderLexicon({itPt("cane", "cão"), itPt("cane", "cachorro"), itPt("gatto", "gato")});
    ConversionResult source;
    source.records = {{"cane", "Cão"}, {"cane", "gatilho"}, {"abaco", "ábaco"}, {"abete", "abeto"}, {"zzz", "zzz"}};
    source.weakness = {0, 1, 0, 0, 6};

    const MergeResult all = mergeWithLexicon(lexicon, source, 100);
    EXPECT_EQ(pairs(all.records),
              QStringList({"cane=cão", "cane=cachorro", "gatto=gato", "cane=gatilho", "abaco=ábaco", "abete=abeto",
                           "zzz=zzz"}));
    EXPECT_EQ(all.counts[CleaningRule::InLexicon], 1);

    const MergeResult five = mergeWithLexicon(lexicon, source, 5);
    EXPECT_EQ(pairs(five.records), QStringList({"cane=cão", "cane=cachorro", "gatto=gato", "abaco=ábaco",
                                                "abete=abeto"}));
    EXPECT_EQ(five.counts[CleaningRule::OverBudget], 2);

    const MergeResult two = mergeWithLexicon(lexicon, source, 2);
    EXPECT_EQ(pairs(two.records), QStringList({"cane=cão", "gatto=gato"}));
    EXPECT_EQ(two.lexiconDropped, 1);
    EXPECT_EQ(two.counts[CleaningRule::OverBudget], 5);
}

TEST(DictConvert, HunspellDictionariesTellTheLanguages)
{
    const HunspellKnowledge knowledge;
    for (Speller speller : {Speller::Italian, Speller::Brazilian, Speller::European}) {
        if (!knowledge.available(speller))
            GTEST_SKIP() << "no Hunspell dictionary " << HunspellKnowledge::dictionaryName(speller).toStdString();
    }
    EXPECT_TRUE(isItalianOnly(knowledge, "protezione"));
    EXPECT_FALSE(isItalianOnly(knowledge, "casa"));
    // A loan the Portuguese dictionaries lack, once it is declared Portuguese.
    HunspellKnowledge extended;
    EXPECT_TRUE(isItalianOnly(extended, "tablet"));
    extended.addWords(Speller::Brazilian, {"tablet"});
    EXPECT_FALSE(isItalianOnly(extended, "Tablet"));
    EXPECT_TRUE(knowledge.knows(Speller::Brazilian, "ideia"));
    EXPECT_FALSE(knowledge.knows(Speller::Brazilian, "idéia"));
    EXPECT_TRUE(knowledge.knows(Speller::European, "académico"));
    EXPECT_EQ(wordsOf(u"d'água, segunda-feira (-se)"), QStringList({"d'água", "segunda-feira", "se"}));
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
        QByteArray index;
        for (int i : indexOrder)
            index += (lines[i] + '\n').toUtf8();
        writeBytes(path("t.index"), index);
    }

    ConversionResult convert() { return convertDictdFiles(path("t.index"), path("t.dict.dz"), setup); }

    QTemporaryDir dir;
    SpellingUpdater updater{vocabulary(), {}};
    CleaningSetup setup{&vocabulary(), &updater, {}};
};

TEST_F(DictdPair, ConvertsInIndexOrderDroppingRepeatsAndCopies)
{
    write({{"00databaseinfo", "00-database-info\nabout this dictionary\n"},
           {"Roma", "Roma /ˈroma/ <pn>\nRoma\ncittà\n"},
           {"cane", "cane /ˈkane/ <n>\n1. cão\nanimale\n2. cão, gatilho\narma\n"},
           {"Dio", "Dio /x/ <pn>\nDeus\n"},
           {"dio", "dio /x/ <n>\ndeus\n"},
           {"essere", "essere /x/ <n>\nexistir, estar\nesistere\n"},
           {"essere", "essere /x/ <v>\nser, Estar\n"},
           {"Cristoforo", "Cristoforo /x/ <pn>\nCristóvāo, Cristóvão\n"}},
          {0, 2, 7, 3, 4, 5, 6, 1});

    const ConversionResult result = convert();
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(mainDictionaryLines(result.records),
              QStringList({"cane", "cão", "", "cane", "gatilho", "", "Cristoforo", "Cristóvão", "", "dio", "deus", "",
                           "essere", "existir", "", "essere", "estar", "", "essere", "ser", ""}));
    EXPECT_EQ(result.articles, 7);
    EXPECT_EQ(result.counts[CleaningRule::Repeated], 3); // cão in cane, estar in essere, deus (the noun's kept)
    EXPECT_EQ(result.counts[CleaningRule::NotWindows1252], 1);
    EXPECT_EQ(result.counts[CleaningRule::ProperNameCopied], 1);
    EXPECT_EQ(result.counts[CleaningRule::CaseLowered], 1);
    EXPECT_EQ(result.records.size(), result.weakness.size());
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
    EXPECT_FALSE(convertDictdFiles(path("none.index"), path("t.dict.dz"), setup).error.isEmpty());
}

TEST_F(DictdPair, ReadsLexiconFoldersAndReviewedListsInAFixedOrder)
{
    writeBytes(path("lex/it-pt/b.tsv"), "bello\tbonito\tadj\n");
    writeBytes(path("lex/it-pt/a.tsv"), "acqua\tágua\tn\n");
    writeBytes(path("lex/it-pt/notes.txt"), "ignored\tignored\tn\n");
    writeBytes(path("lex/pt-it/a.tsv"), "água\tacqua\tn\nágua\tacqua minerale\tn");
    writeBytes(path("pairs.tsv"), "# comment\nfacto\tfato\nbroken line\n");

    const LexiconReadResult read = readLexiconFolder(path("lex"), nullptr);
    EXPECT_EQ(read.files, 3);
    QStringList origins;
    for (const LexiconLine &line : read.lines)
        origins << line.origin;
    EXPECT_EQ(origins, QStringList({"it-pt/a.tsv:1", "it-pt/b.tsv:1", "pt-it/a.tsv:1", "pt-it/a.tsv:2"}));
    EXPECT_EQ(readLexiconFolder(path("missing"), nullptr).lines.size(), 0);

    const PairFileResult pairsRead = readPairFile(path("pairs.tsv"));
    EXPECT_EQ(pairsRead.pairs, QList<PairKey>({{"facto", "fato"}}));
    EXPECT_EQ(pairsRead.problems.size(), 1);
    EXPECT_FALSE(readPairFile(path("missing.tsv")).error.isEmpty());
}

} // namespace
