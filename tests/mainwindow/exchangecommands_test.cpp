#include "parlorarun.h"

#include <QFile>

namespace parlora::testing {
namespace {

using Kind = RecordingPrompts::Kind;
using Pairs = QList<std::pair<QString, QString>>;
const QString Pt = QStringLiteral("pt");

Pairs storedPairs(const ParloraRun &run)
{
    const PersonalDictionary &store = run.session.personalDictionary;
    Pairs pairs;
    for (qint32 i = 0; i < store.EntryCount(); ++i)
        pairs.append({store.Words().at(i), store.Translations().at(i)});
    return pairs;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The user's words go out to a file, the personal dictionary is lost, and
// the file brings them back: accents, quotes and commas unchanged. A tab
// cannot be written to tab-separated text, so that pair is left out and
// the user is told.
TEST(PersonalExchangeInWindow, ExportedPairsComeBackIntoAnEmptyPersonalDictionary)
{
    const Pairs typed{{QStringLiteral("perch\u00e9"), QStringLiteral("porqu\u00ea")},
                      {QStringLiteral("\"virgolette\""), QStringLiteral("aspas, duplas")},
                      {QStringLiteral("l'acqua, fresca"), QStringLiteral("a \u00e1gua \"fresca\"")},
                      {QStringLiteral("tab\there"), QStringLiteral("tabula\u00e7\u00e3o")}};
    const struct {
        const char *name;
        const char *file;
        qsizetype leftOut;
    } cases[] = {{"Csv", "pairs.csv", 0}, {"Tsv", "pairs.tsv", 1}, {"OtherInstallation", "copy.per", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const QString exported = folder.filePath(QLatin1String(c.file));
        Pairs expected;
        {
            ParloraRun run(folder.path());
            run.trigger("menuDizionarioPersonale");
            for (const auto &[word, translation] : typed)
                run.insertPersonal(word, translation);
            ASSERT_EQ(run.session.personalDictionary.EntryCount(), typed.size());
            for (const auto &pair : storedPairs(run))
                if (c.leftOut == 0 || !pair.first.contains(u'\t'))
                    expected.append(pair);

            run.prompts.chosenFiles = {exported};
            run.trigger("menuEsporta");
            EXPECT_EQ(run.statusText(), messageText(Pt, 72) + QStringLiteral(" %1 %2 %3").arg(exported).arg(expected.size()));
            const bool warned = !run.prompts.shown.isEmpty()
                && run.prompts.shown.constLast().text.startsWith(messageText(Pt, 73) + QStringLiteral(" 1"));
            EXPECT_EQ(warned, c.leftOut > 0);
            run.close();
        }
        ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("dic/portital.per"))));

        ParloraRun run(folder.path());
        ASSERT_EQ(run.session.personalDictionary.EntryCount(), 0);
        run.prompts.chosenFiles = {exported};
        run.trigger("menuImportaDizionario");
        ASSERT_FALSE(run.prompts.shown.isEmpty());
        EXPECT_EQ(run.prompts.shown.constLast().kind, Kind::Confirm);
        EXPECT_EQ(storedPairs(run), expected);
        // The panel opens to show them, the list in step with the store.
        EXPECT_TRUE(run.window().personalPanelOpen());
        EXPECT_EQ(run.lines("lstDicPer"), run.session.personalDictionary.RenderEntries());
    }
}

class PersonalImport : public WindowTest {
protected:
    void SetUp() override
    {
        run.trigger("menuDizionarioPersonale");
        run.insertPersonal(QStringLiteral("casa"), QStringLiteral("casa"));
        writeFile(file, QByteArray("Italiano\tPortugu\xc3\xaas\n"
                                   "casa\tcasa\n"
                                   "cane\tc\xc3\xa3o\n"
                                   "gatto\tgato\n"
                                   "solo\n"
                                   "a\tb\tc\n"
                                   "vuoto\t \n"
                                   "freccia \xe2\x86\x92\tseta\n")
                          + QByteArray(51, 'x') + "\tlong\n"
                          + "uno\n"
                          + "due\n");
    }
    void import(bool answer)
    {
        run.prompts.shown.clear();
        run.prompts.confirmAnswer = answer;
        run.prompts.chosenFiles = {file};
        run.trigger("menuImportaDizionario");
    }

    const QString file = folder.filePath(QStringLiteral("words.tsv"));
};

TEST_F(PersonalImport, ShowsWhatItWouldDoBeforeAnythingChanges)
{
    import(false);
    ASSERT_EQ(run.prompts.shown.size(), 1);
    const QStringList shown = run.prompts.shown[0].text.split(u'\n');
    const QStringList expected{
        file,
        QString(),
        messageText(Pt, 76) + QStringLiteral(" 2 1 7"),
        messageText(Pt, 77) + QStringLiteral(" 5 ") + messageText(Pt, 81) + QStringLiteral(" %3"),
        messageText(Pt, 77) + QStringLiteral(" 6 ") + messageText(Pt, 81) + QStringLiteral(" %3"),
        messageText(Pt, 77) + QStringLiteral(" 7 ") + messageText(Pt, 79) + QStringLiteral(" %3"),
        messageText(Pt, 77) + QStringLiteral(" 8 ") + messageText(Pt, 78) + QStringLiteral(" %3"),
        messageText(Pt, 77) + QStringLiteral(" 9 ") + messageText(Pt, 80) + QStringLiteral(" %3"),
        messageText(Pt, 82) + QStringLiteral(" 2 %2 %3"),
        QString(),
        messageText(Pt, 83),
    };
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(run.lines("lstDicPer"), QStringList{QStringLiteral("casa --> casa")});
    EXPECT_EQ(run.session.personalDictionary.EntryCount(), 1);
}

TEST_F(PersonalImport, IsOneStepForUndoAndRedo)
{
    const QStringList before{QStringLiteral("casa --> casa")};
    const QStringList after{QStringLiteral("cane --> c\u00e3o"), QStringLiteral("casa --> casa"),
                            QStringLiteral("gatto --> gato")};
    import(true);
    EXPECT_EQ(run.lines("lstDicPer"), after);
    EXPECT_EQ(run.statusText(), messageText(Pt, 86) + QStringLiteral(" %1 2 %3").arg(file));

    run.trigger("menuAnnulla");
    EXPECT_EQ(run.lines("lstDicPer"), before);
    run.trigger("menuRipeti");
    EXPECT_EQ(run.lines("lstDicPer"), after);

    // Everything is there now: nothing to ask.
    import(true);
    ASSERT_EQ(run.prompts.shown.size(), 1);
    EXPECT_EQ(run.prompts.shown[0].kind, Kind::Inform);
    EXPECT_TRUE(run.prompts.shown[0].text.endsWith(messageText(Pt, 87)));
    EXPECT_EQ(run.lines("lstDicPer"), after);
}

TEST_F(PersonalImport, AFileThatCannotBeReadOrWrittenIsReported)
{
    const QString folderPath = folder.filePath(QStringLiteral("dic"));
    run.prompts.chosenFiles = {folder.filePath(QStringLiteral("missing.csv"))};
    run.trigger("menuImportaDizionario");
    run.prompts.chosenFiles = {folderPath};
    run.trigger("menuEsporta");
    ASSERT_EQ(run.prompts.shown.size(), 2);
    EXPECT_EQ(run.prompts.shown[0].kind, Kind::Warning);
    EXPECT_TRUE(run.prompts.shown[0].text.startsWith(messageText(Pt, 75))) << run.prompts.shown[0].text.toStdString();
    EXPECT_EQ(run.prompts.shown[1].kind, Kind::Warning);
    EXPECT_TRUE(run.prompts.shown[1].text.startsWith(messageText(Pt, 74))) << run.prompts.shown[1].text.toStdString();
    EXPECT_EQ(run.session.personalDictionary.EntryCount(), 1);
}

} // namespace
} // namespace parlora::testing
