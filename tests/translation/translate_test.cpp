#include "translation/translate.h"

#include "generateddata.h"
#include "referencetranslator.h"

#include "phrasebook/phrasepadding.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace parlora;

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

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
        auto it = shown.constFind(what);
        if (it != shown.cend() && it.value() == value)
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

void expectSameResult(const TranslationResult &fast, const TranslationResult &plain, const QString &what)
{
    SCOPED_TRACE(what.toStdString());
    EXPECT_EQ(fast.ran, plain.ran);
    EXPECT_EQ(fast.translations, plain.translations);
    EXPECT_EQ(fast.similarWords, plain.similarWords);
    EXPECT_EQ(fast.resultText, plain.resultText);
    EXPECT_EQ(fast.ExactFound, plain.ExactFound);
    EXPECT_EQ(fast.SimilarFound, plain.SimilarFound);
    ASSERT_EQ(fast.addedLines.size(), plain.addedLines.size());
    for (qsizetype i = 0; i < fast.addedLines.size(); ++i) {
        EXPECT_EQ(fast.addedLines.at(i).list, plain.addedLines.at(i).list);
        EXPECT_EQ(fast.addedLines.at(i).text, plain.addedLines.at(i).text);
    }
}

// The fast translation must give exactly what the plain one gives, for all
// four combinations of the options, both directions and many shapes of
// query, progress reports included.
TEST(Translate, AgreesWithPlainTranslationOnGeneratedData)
{
    generated::Sizes sizes;
    sizes.mainRecords = 1200;
    sizes.personalEntries = 300;
    sizes.phrases = 400;
    sizes.vocabulary = 500;
    for (quint32 seed : {1u, 2u}) {
        const generated::Data data = generated::MakeData(seed, sizes);
        PersonalDictionary personal;
        generated::FillPersonalDictionary(personal, data);
        const Translator translator(data.dictionary, personal);
        const QList<generated::Query> queries = generated::MakeQueries(data, seed * 31, 1000);
        for (qsizetype i = 0; i < queries.size(); ++i) {
            const generated::Query &query = queries.at(i);
            const Settings settings = options(i % 2 == 0, i % 4 < 2, query.direction);
            RecordingSink fastProgress;
            RecordingSink plainProgress;
            const TranslationResult fast =
                translator.Translate(query.text, query.direction, settings, Messages, fastProgress);
            const TranslationResult plain = reference::Translate(data.dictionary, personal, query.text,
                                                                 query.direction, settings, Messages, plainProgress);
            expectSameResult(fast, plain, QStringLiteral("seed %1 query %2: [%3]").arg(seed).arg(i).arg(query.text));
            EXPECT_EQ(fastProgress.events, plainProgress.events);
            if (testing::Test::HasFailure())
                return;
        }
    }
}

// The personal dictionary changes between translations; the results must
// follow at once.
TEST(Translate, FollowsChangesOfThePersonalDictionary)
{
    generated::Sizes sizes;
    sizes.mainRecords = 200;
    sizes.personalEntries = 50;
    sizes.phrases = 10;
    sizes.vocabulary = 100;
    const generated::Data data = generated::MakeData(3, sizes);
    PersonalDictionary personal;
    generated::FillPersonalDictionary(personal, data);
    const Translator translator(data.dictionary, personal);
    NullProgressSink progress;
    const Settings settings = options(true, true);

    auto check = [&](const QString &typed, bool direction) {
        expectSameResult(translator.Translate(typed, direction, settings, Messages, progress),
                         reference::Translate(data.dictionary, personal, typed, direction, settings, Messages,
                                              progress),
                         typed);
    };
    check("gattino", true);
    QString word = "gattino";
    QString translation = "gatinho";
    ASSERT_TRUE(personal.InsertEntry(word, translation));
    check("gattino", true);
    check("gatinho", false);
    check("gattini", true);
    personal.DeleteEntry(0);
    check("gattino", true);
    personal.Undo();
    check("gattino", true);
    EXPECT_TRUE(translator.Translate("gattino", true, settings, Messages, progress).ExactFound);
}

// A small hand-made dictionary for the documented outcomes of a run.
struct SmallData {
    DictionaryData data;
    PersonalDictionary personal;

    SmallData()
    {
        MainDictionary &main = data.mainDictionary;
        main.Language1Entries = QStringList{"casa", "la casa grande", "cane", "casa"};
        main.Language2Entries = QStringList{"casa", "a casa grande", QString::fromUtf8("cão"), "lar"};
        const PhraseRecord phrase{"Ho parlato con lui.", "Falei com ele."};
        data.phrasebook.Display = {phrase};
        data.phrasebook.Search = {{PadPhrasePunctuation(phrase.Language1), PadPhrasePunctuation(phrase.Language2)}};
        data.language1Grammar.Rules = {{"*are", "*ato"}};
    }
};

TEST(Translate, EmptyInputOnlyClearsTheLists)
{
    SmallData small;
    const Translator translator(small.data, small.personal);
    RecordingSink progress;
    const TranslationResult result = translator.Translate("", true, options(true, true), Messages, progress);
    EXPECT_FALSE(result.ran);
    EXPECT_TRUE(result.translations.isEmpty());
    EXPECT_TRUE(result.similarWords.isEmpty());
    EXPECT_TRUE(progress.events.isEmpty()) << "status and result text keep their content";
}

TEST(Translate, DocumentedOutcomes)
{
    SmallData small;
    const Translator translator(small.data, small.personal);
    // Preparing ahead must not change any result.
    translator.Prepare(true, options(true, true));
    NullProgressSink progress;
    struct {
        const char *name;
        const char *typed;
        bool direction, similar, phrases;
        QStringList translations;
        QStringList similarWords;
        QString resultText;
    } const cases[] = {
        {"WholeMatchesInFileOrderWithoutDuplicates", "  CASA ", true, false, false,
         {"casa --> casa", "casa --> lar"}, {}, ""},
        {"WordMatchNeedsNoMessageLine", "grande", true, false, true, {}, {}, "la casa GRANDE\r\na casa grande\r\n\r\n"},
        {"NothingFound", "gatto", true, false, false, {"nothing found"}, {}, ""},
        {"OnlySimilarWords", "cani", true, true, false, {"only similar"}, {"cane"}, ""},
        {"PhrasebookDoesNotCountAsFound", "parlare", true, false, true, {"nothing found"}, {},
         "Ho PARLATO con lui.\r\nFalei com ele.\r\n\r\n"},
        {"ReverseDirectionShowsLanguage1", QT_TRANSLATE_NOOP("", "cão"), false, false, false,
         {QString::fromUtf8("cão --> cane")}, {}, ""},
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

TEST(Translate, FollowsReloadedDictionaryFiles)
{
    SmallData small;
    const Translator translator(small.data, small.personal);
    NullProgressSink progress;
    EXPECT_EQ(translator.Translate("cane", true, options(true, true), Messages, progress).translations,
              QStringList{QString::fromUtf8("cane --> cão")});

    small.data.mainDictionary.Language1Entries = QStringList{"cane"};
    small.data.mainDictionary.Language2Entries = QStringList{"cachorro"};
    const PhraseRecord phrase{"Un cane.", "Um cachorro."};
    small.data.phrasebook.Display = {phrase};
    small.data.phrasebook.Search = {{PadPhrasePunctuation(phrase.Language1), PadPhrasePunctuation(phrase.Language2)}};
    small.data.language1Grammar.Rules = {{"*", "*"}};
    const TranslationResult result = translator.Translate("cane", true, options(true, true), Messages, progress);
    EXPECT_EQ(result.translations, QStringList{"cane --> cachorro"});
    EXPECT_EQ(result.resultText, "Un CANE.\r\nUm cachorro.\r\n\r\n");
}

TEST(Translate, ReportsPhasesInOrder)
{
    SmallData small;
    const Translator translator(small.data, small.personal);
    RecordingSink progress;
    translator.Translate("cani", true, options(true, true), Messages, progress);
    const QStringList expected{"status:",       "max:4",          "visible:yes",    "status:searching",
                               "repaint:0",     "max:1",          "status:phrasebook", "repaint:1",
                               "value:1",       "status:",        "value:0",        "repaint:2",
                               "status:similar search", "repaint:0", "max:4",       "status:similar found"};
    EXPECT_EQ(progress.events, expected);
}

} // namespace
