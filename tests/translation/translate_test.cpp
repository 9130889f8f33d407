#include "translation/translate.h"

#include "generateddata.h"
#include "referencetranslator.h"

#include "dictionary/phrasepadding.h"

#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qtprinters.h"

using namespace parlora;

namespace {

const LanguageMessages Messages(QStringList{"m0", "searching", "similar search", "only similar", "nothing found",
                                            "m5", "m6", "m7", "m8", "m9", "m10", "m11", "m12", "similar found",
                                            "m14", "m15", "m16", "m17", "m18", "m19", "m20", "m21", "phrasebook"});

// What a person could see, in order: every repaint, and every change of the
// status text or of the progress bar (setting what is already shown changes
// nothing on screen).
struct RecordingSink : ProgressSink {
    QStringList events;
    QHash<QString, QString> shown;
    void change(const QString &what, const QString &value)
    {
        if (shown.contains(what) && shown.value(what) == value)
            return;
        shown.insert(what, value);
        events.append(what + ':' + value);
    }
    void setStatusText(const QString &text) override { change("status", text); }
    void setProgressMaximum(int maximum) override { change("max", QString::number(maximum)); }
    void setProgressValue(int value) override { change("value", QString::number(value)); }
    void setProgressVisible(bool visible) override { change("visible", visible ? "yes" : "no"); }
    void repaint(RepaintTarget target) override { events.append("repaint:" + QString::number(int(target))); }
};

Settings options(bool similar, bool phrases, bool direction = true)
{
    Settings settings;
    settings.Direction = direction;
    settings.SimilarWordSearch = similar;
    settings.PhrasebookSearch = phrases;
    return settings;
}

// Both lists in adding order, each line marked with its list.
QStringList addedLines(const TranslationResult &result)
{
    QStringList lines;
    for (const AddedLine &line : result.addedLines)
        lines << QString::number(int(line.list)) + line.text;
    return lines;
}

// Runs the fast and the plain translation and insists that everything shown,
// progress reports included, is the same.
void expectSameAsPlain(const Translator &translator, const DictionaryData &data, const PersonalDictionary &personal,
                       const QString &typed, bool direction, const Settings &settings)
{
    SCOPED_TRACE(QStringLiteral("[%1] direction %2").arg(typed).arg(direction).toStdString());
    RecordingSink fastProgress, plainProgress;
    const TranslationResult fast = translator.Translate(typed, direction, settings, Messages, fastProgress);
    const TranslationResult plain =
        reference::Translate(data, personal, typed, direction, settings, Messages, plainProgress);
    EXPECT_EQ(fast.ran, plain.ran);
    EXPECT_EQ(fast.translations, plain.translations);
    EXPECT_EQ(fast.similarWords, plain.similarWords);
    EXPECT_EQ(fast.resultText, plain.resultText);
    EXPECT_EQ(fast.ExactFound, plain.ExactFound);
    EXPECT_EQ(fast.SimilarFound, plain.SimilarFound);
    EXPECT_EQ(addedLines(fast), addedLines(plain));
    // The fast search moves the bar once per phase, not per record; the
    // status texts a person reads come in the same order.
    EXPECT_EQ(fastProgress.events.filter(QStringLiteral("status:")),
              plainProgress.events.filter(QStringLiteral("status:")));
}

// All four combinations of the options, both directions and many shapes of
// query; then the personal dictionary changes between translations, and the
// results must follow at once.
TEST(Translate, AgreesWithPlainTranslationOnGeneratedData)
{
    for (quint32 seed : {1u, 2u}) {
        const generated::Data data = generated::MakeData(
            seed, {.mainRecords = 1200, .personalEntries = 300, .phrases = 400, .vocabulary = 500});
        PersonalDictionary personal;
        generated::FillPersonalDictionary(personal, data);
        const Translator translator(data.dictionary, personal);
        const auto check = [&](const QString &typed, bool direction, const Settings &settings) {
            expectSameAsPlain(translator, data.dictionary, personal, typed, direction, settings);
            return !testing::Test::HasFailure();
        };
        const QList<generated::Query> queries = generated::MakeQueries(data, seed * 31, 1000);
        for (qsizetype i = 0; i < queries.size(); ++i) {
            const generated::Query &query = queries.at(i);
            if (!check(query.text, query.direction, options(i % 2 == 0, i % 4 < 2, query.direction)))
                return;
        }

        QString word = "gattino";
        QString translation = "gatinho";
        ASSERT_TRUE(personal.InsertEntry(word, translation));
        NullProgressSink progress;
        EXPECT_TRUE(translator.Translate("gattino", true, options(true, true), Messages, progress).ExactFound);
        check("gatinho", false, options(true, true, false));
        check("gattini", true, options(true, true));
        personal.DeleteEntry(personal.EntryCount() - 1);
        check("gattino", true, options(true, true));
        personal.Undo();
        check("gattino", true, options(true, true));
    }
}

void setPhrasebook(DictionaryData &data, const PhraseRecord &phrase)
{
    data.phrasebook.Display = {phrase};
    data.phrasebook.Search = {{PadPhrasePunctuation(phrase.Language1), PadPhrasePunctuation(phrase.Language2)}};
}

// A small hand-made dictionary for the documented outcomes of a run.
class TranslateSmallData : public testing::Test {
protected:
    void SetUp() override
    {
        data.mainDictionary.Language1Entries = QStringList{"casa", "la casa grande", "cane", "casa"};
        data.mainDictionary.Language2Entries = QStringList{"casa", "a casa grande", "cão", "lar"};
        setPhrasebook(data, {"Ho parlato con lui.", "Falei com ele."});
        data.language1Grammar.Rules = {{"*are", "*ato"}};
    }

    DictionaryData data;
    PersonalDictionary personal;
    const Translator translator{data, personal};
    NullProgressSink progress;
};

TEST_F(TranslateSmallData, DocumentedOutcomes)
{
    // Preparing ahead must not change any result.
    translator.Prepare(true, options(true, true));
    const struct {
        const char *name, *typed;
        bool direction, similar, phrases;
        QStringList translations, similarWords;
        QString resultText;
    } cases[] = {
        {"WholeMatchesInFileOrderWithoutDuplicates", "  CASA ", true, false, false,
         {"casa --> casa", "casa --> lar"}, {}, ""},
        {"WordMatchNeedsNoMessageLine", "grande", true, false, true, {}, {}, "la casa GRANDE\r\na casa grande\r\n\r\n"},
        {"NothingFound", "gatto", true, false, false, {"nothing found"}, {}, ""},
        {"OnlySimilarWords", "cani", true, true, false, {"only similar"}, {"cane"}, ""},
        {"PhrasebookDoesNotCountAsFound", "parlare", true, false, true, {"nothing found"}, {},
         "Ho PARLATO con lui.\r\nFalei com ele.\r\n\r\n"},
        {"ReverseDirectionShowsLanguage1", "cão", false, false, false, {"cão --> cane"}, {}, ""},
        {"SpacesOnlyFindNothingSimilar", "   ", true, true, false, {"nothing found"}, {}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TranslationResult result = translator.Translate(QString::fromUtf8(c.typed), c.direction,
                                                              options(c.similar, c.phrases), Messages, progress);
        EXPECT_TRUE(result.ran);
        EXPECT_EQ(result.translations, c.translations);
        EXPECT_EQ(result.similarWords, c.similarWords);
        EXPECT_EQ(result.resultText, c.resultText);
    }
}

// A personal entry of many repeats of one word once made a block per repeat,
// so that a 1 MB entry exhausted the memory; a block per entry keeps the
// answer the size of the entry.
TEST_F(TranslateSmallData, LongRepeatedEntryAnswersWithItsOwnSize)
{
    QString entry = QStringLiteral("ciao ").repeated(200'000);
    QString translation = QStringLiteral("olá");
    ASSERT_TRUE(personal.InsertEntry(entry, translation));
    data.mainDictionary.Language1Entries.append(entry);
    data.mainDictionary.Language2Entries.append(translation);
    const TranslationResult result = translator.Translate("ciao", true, options(true, true), Messages, progress);
    EXPECT_LT(result.resultText.size(), 3 * entry.size()) << "two blocks: the main and the personal entry";
    EXPECT_GT(result.resultText.size(), 2 * entry.size());
}

// Entries of more than a few words are indexed by a hash of their words:
// the same blocks, FoundText and similar words as the plain sweep.
TEST_F(TranslateSmallData, LongEntriesOfManyWordsMatchLikeThePlainSweep)
{
    QStringList words;
    for (int i = 0; i < 100; ++i)
        words << QStringLiteral("w%1").arg(i % 40) << QStringLiteral("casa");
    QString entry = words.join(' ') + QStringLiteral(" fine.");
    QString translation = QStringLiteral("longa");
    ASSERT_TRUE(personal.InsertEntry(entry, translation));
    data.mainDictionary.Language1Entries.append(entry);
    data.mainDictionary.Language2Entries.append(translation);
    for (const char *typed : {"casa", "w7", "w39", "fine", "w"})
        expectSameAsPlain(translator, data, personal, typed, true, options(true, true));
}

TEST_F(TranslateSmallData, FollowsReloadedDictionaryFiles)
{
    EXPECT_EQ(translator.Translate("cane", true, options(true, true), Messages, progress).translations,
              QStringList{"cane --> cão"});
    data.mainDictionary.Language1Entries = QStringList{"cane"};
    data.mainDictionary.Language2Entries = QStringList{"cachorro"};
    setPhrasebook(data, {"Un cane.", "Um cachorro."});
    data.language1Grammar.Rules = {{"*", "*"}};
    const TranslationResult result = translator.Translate("cane", true, options(true, true), Messages, progress);
    EXPECT_EQ(result.translations, QStringList{"cane --> cachorro"});
    EXPECT_EQ(result.resultText, "Un CANE.\r\nUm cachorro.\r\n\r\n");
}

TEST_F(TranslateSmallData, ReportsPhasesInOrderButNothingForEmptyInput)
{
    RecordingSink recorder;
    // Empty input only clears the lists: status and result text keep their content.
    EXPECT_FALSE(translator.Translate("", true, options(true, true), Messages, recorder).ran);
    EXPECT_TRUE(recorder.events.isEmpty());
    translator.Translate("cani", true, options(true, true), Messages, recorder);
    EXPECT_EQ(recorder.events.filter("status:"),
              (QStringList{"status:", "status:searching", "status:phrasebook", "status:", "status:similar search",
                           "status:similar found"}));
    // The bar shows while working and moves once per phase, not per record.
    EXPECT_EQ(recorder.events.filter("visible:"), (QStringList{"visible:yes", "visible:no"}));
    EXPECT_EQ(recorder.events.filter("value:"),
              (QStringList{"value:0", "value:1", "value:2", "value:3", "value:4"}));
}

// The personal index follows each edit instead of being built again: after
// any run of inserts, deletions, undos and redos it answers as a new one.
TEST(TranslatePersonalEdits, TheIndexFollowingEditsAnswersAsANewOne)
{
    DictionaryData data;
    PersonalDictionary personal;
    personal.StartNew(QString());
    const Translator following(data, personal);
    const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;
    QRandomGenerator random(9);
    const QStringList stems{"casa", "cane", "gatto", "casa bella", "case"};
    for (int step = 0; step < 300; ++step) {
        const int action = random.bounded(6);
        if (action < 3 || personal.EntryCount() == 0) {
            QString word = stems.at(random.bounded(stems.size())) + QString::number(random.bounded(3));
            QString translation = QStringLiteral("t%1").arg(step);
            ASSERT_TRUE(personal.InsertEntry(word, translation));
        } else if (action == 3) {
            personal.DeleteEntry(random.bounded(personal.EntryCount()));
        } else if (action == 4) {
            personal.Undo();
        } else {
            personal.Redo();
        }
        if (step % 3 == 2)
            continue; // two edits between translations too
        const Translator fresh(data, personal);
        for (const char *query : {"casa1", "cane0", "bella", "gatto2", "cas"}) {
            const Settings settings = options(true, true);
            const TranslationResult a = following.Translate(query, true, settings, messages, progress);
            const TranslationResult b = fresh.Translate(query, true, settings, messages, progress);
            ASSERT_EQ(a.translations, b.translations) << step << " " << query;
            ASSERT_EQ(a.similarWords, b.similarWords) << step << " " << query;
            ASSERT_EQ(a.resultText, b.resultText) << step << " " << query;
        }
    }
}

// Base forms are looked up only for a word that is no entry, and only those
// that are entries are shown, after the personal dictionary's lines.
TEST(TranslateBaseForms, InflectedWordsShowTheirBaseFormsEntries)
{
    QTemporaryDir dir;
    QFile table(dir.filePath("ital.forms"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("parliamo\tparlare\nparliamo\tparlarsi\ngatti\tgatto\ncase\tcasa\ncase\tcaso\n");
    table.close();
    const morphology::PairBaseForms forms(dir.filePath("ital.forms"), dir.filePath("none.forms"), dir.path());
    DictionaryData data;
    data.mainDictionary.Language1Entries = QStringList{"parlare", "casa", "case", "caso"};
    data.mainDictionary.Language2Entries = QStringList{"falar", "casa", "casas", "caso"};
    PersonalDictionary personal;
    QString word = "gatto", translation = "gato";
    ASSERT_TRUE(personal.InsertEntry(word, translation));
    const Translator translator(data, personal, &forms);
    RecordingSink progress;

    const QStringList messages = builtInMessages();
    const LanguageMessages italian(messages);
    TranslationResult result = translator.Translate("Parliamo", true, options(false, false), italian, progress);
    EXPECT_EQ(result.translations, QStringList{QStringLiteral("parliamo » parlare --> falar")});
    ASSERT_EQ(result.baseFormLines.size(), 1);
    EXPECT_EQ(result.baseFormLines.front().baseForm, QStringLiteral("parlare"));
    EXPECT_TRUE(result.ExactFound);
    EXPECT_EQ(progress.shown.value("status"), messages.at(Message::BaseFormStatus).arg("parliamo"));

    result = translator.Translate("gatti", true, options(false, false), italian, progress);
    EXPECT_EQ(result.translations, QStringList{QStringLiteral("gatti » gatto --> gato")}) << "personal entries count";
    result = translator.Translate("case", true, options(false, false), italian, progress);
    EXPECT_EQ(result.translations, QStringList{QStringLiteral("case --> casas")}) << "an entry shows what it always did";
    EXPECT_TRUE(result.baseFormLines.isEmpty());

    Settings off = options(false, false);
    off.BaseFormSearch = false;
    result = translator.Translate("parliamo", true, off, italian, progress);
    EXPECT_FALSE(result.ExactFound);
    EXPECT_TRUE(result.baseFormLines.isEmpty());
}

} // namespace
