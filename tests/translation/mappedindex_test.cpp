#include "translation/mappedindex.h"

#include "generateddata.h"
#include "translation/searchindex.h"
#include "translation/translate.h"
#include "words/textrules.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include "qtprinters.h"

using namespace parlora;

namespace {

const indexfile::SourceStamp Stamp{1234, 5678};

struct Indexed {
    generated::Data data = generated::MakeData(3, {.mainRecords = 800, .personalEntries = 50, .phrases = 100,
                                                   .vocabulary = 300});
    PersonalDictionary personal;
    QByteArray file;

    Indexed()
    {
        generated::FillPersonalDictionary(personal, data);
        const MainDictionary &main = data.dictionary.mainDictionary;
        file = indexfile::serialize(Stamp, main, SearchIndex(main.Language1Entries, main.Language2Entries),
                                    SearchIndex(main.Language2Entries, main.Language1Entries));
    }
};

Settings allOptions(bool similar, bool phrases)
{
    Settings settings;
    settings.SimilarWordSearch = similar;
    settings.PhrasebookSearch = phrases;
    return settings;
}

// The file must answer every question as the indexes in memory do: every
// word of every record, typed as is, and the generated mix of queries.
TEST(MappedIndex, AnswersExactlyAsTheIndexesInMemory)
{
    const Indexed indexed;
    const std::unique_ptr<MappedIndexFile> mapped = MappedIndexFile::fromBytes(indexed.file, Stamp);
    ASSERT_TRUE(mapped);
    const Translator inMemory(indexed.data.dictionary, indexed.personal);
    Translator fromFile(indexed.data.dictionary, indexed.personal);
    fromFile.UseMainIndexes(mapped->index(true), mapped->index(false));

    QList<generated::Query> queries = generated::MakeQueries(indexed.data, 11, 400);
    const MainDictionary &main = indexed.data.dictionary.mainDictionary;
    for (int record = 0; record < main.Count(); ++record) {
        for (const bool direction : {true, false}) {
            const QString &entry = direction ? main.Language1Entries.at(record) : main.Language2Entries.at(record);
            for (const QString &word : words::SplitWords(words::StripPunctuation(entry)))
                queries.append({word, direction});
        }
    }
    const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;
    for (qsizetype i = 0; i < queries.size(); ++i) {
        const generated::Query &query = queries.at(i);
        const Settings settings = allOptions(i % 2 == 0, i % 3 == 0);
        const TranslationResult a = inMemory.Translate(query.text, query.direction, settings, messages, progress);
        const TranslationResult b = fromFile.Translate(query.text, query.direction, settings, messages, progress);
        ASSERT_EQ(a.translations, b.translations) << query.text.toStdString();
        ASSERT_EQ(a.similarWords, b.similarWords) << query.text.toStdString();
        ASSERT_EQ(a.resultText, b.resultText) << query.text.toStdString();
        ASSERT_EQ(a.ExactFound, b.ExactFound);
    }
}

// A cache file is never trusted: one cut short, made for another dictionary
// or damaged anywhere is refused or, when its damage looks sound, answers
// whatever it holds without reading outside the file.
TEST(MappedIndex, RefusesOrSurvivesAnyDamage)
{
    const Indexed indexed;
    EXPECT_FALSE(MappedIndexFile::fromBytes(indexed.file, {Stamp.size + 1, Stamp.modifiedNanoseconds}));
    for (const qsizetype length : {qsizetype(0), qsizetype(7), qsizetype(64), indexed.file.size() / 2,
                                   indexed.file.size() - 1})
        EXPECT_FALSE(MappedIndexFile::fromBytes(indexed.file.left(length), Stamp)) << length;

    QRandomGenerator random(42);
    const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;
    const QList<generated::Query> queries = generated::MakeQueries(indexed.data, 5, 40);
    for (int round = 0; round < 60; ++round) {
        QByteArray damaged = indexed.file;
        // Some rounds hit the header and the region table, the rest anywhere.
        const qsizetype reach = round % 3 == 0 ? 512 : damaged.size();
        for (int flips = 0; flips < 8; ++flips)
            damaged[random.bounded(reach)] = char(random.bounded(256));
        const std::unique_ptr<MappedIndexFile> mapped = MappedIndexFile::fromBytes(damaged, Stamp);
        if (!mapped)
            continue;
        Translator translator(indexed.data.dictionary, indexed.personal);
        translator.UseMainIndexes(mapped->index(true), mapped->index(false));
        for (const generated::Query &query : queries)
            (void)translator.Translate(query.text, query.direction, allOptions(true, true), messages, progress);
    }
}

} // namespace
