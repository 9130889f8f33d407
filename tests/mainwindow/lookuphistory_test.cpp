#include "parlorarun.h"

#include <QCompleter>
#include <QFile>

namespace parlora::testing {
namespace {

// The queries the history's list offers, top to bottom, as "query
// (language)".
QStringList offered(ParloraRun &run)
{
    QCompleter *completer = run.field("txtParola")->completer();
    if (!completer || !completer->popup()->isVisible())
        return {};
    QStringList rows;
    for (int row = 0; row < completer->completionCount(); ++row) {
        completer->setCurrentRow(row);
        rows << completer->currentIndex().data().toString();
    }
    return rows;
}

QStringList openDropDown(ParloraRun &run)
{
    run.focus("txtParola");
    run.field("txtParola")->selectAll();
    run.pressKey("txtParola", Qt::Key_Down, Qt::AltModifier);
    return offered(run);
}

QString historyFile(const TestFolder &folder)
{
    return folder.filePath(QStringLiteral("dic/history.txt"));
}

const QString It = QStringLiteral(" (Italiano)");
const QString Pt = QStringLiteral(" (Portugu\u00eas)");

using SearchHistoryInWindow = WindowTest;

TEST(SearchHistoryAcrossRuns, ThreeLookupsAreOfferedNewestFirstAfterARestart)
{
    TestFolder folder;
    {
        ParloraRun first(folder.path());
        first.trigger("menuItaPorto");
        first.translate(QStringLiteral("casa"));
        first.translate(QStringLiteral("cane"));
        first.trigger("menuPortoIta");
        first.translate(QStringLiteral("gato"));
        // Looking a query up again moves it to the front, once.
        first.trigger("menuItaPorto");
        first.translate(QStringLiteral("casa"));
        first.close();
    }
    // Beside the personal dictionary, UTF-8 text; never in the settings.
    QFile file(historyFile(folder));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("it\tcasa\npt\tgato\nit\tcane\n"));

    ParloraRun second(folder.path());
    EXPECT_EQ(openDropDown(second), (QStringList{QStringLiteral("casa") + It, QStringLiteral("gato") + Pt,
                                                 QStringLiteral("cane") + It}));

    // Typing narrows the list to the queries that start that way.
    second.typeInto("txtParola", QStringLiteral("ca"));
    EXPECT_EQ(offered(second), (QStringList{QStringLiteral("casa") + It, QStringLiteral("cane") + It}));
}

TEST_F(SearchHistoryInWindow, AQueryChosenFromTheListIsLookedUpInItsOwnDirection)
{
    run.trigger("menuPortoIta");
    run.translate(QStringLiteral("gato"));
    run.trigger("menuItaPorto");
    run.translate(QStringLiteral("casa"));

    openDropDown(run);
    QAbstractItemView *popup = run.field("txtParola")->completer()->popup();
    popup->setCurrentIndex(popup->model()->index(1, 0));
    QTest::keyClick(popup, Qt::Key_Return);

    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("gato"));
    EXPECT_TRUE(run.action("menuPortoIta")->isChecked());
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("gato --> gatto")});
    EXPECT_FALSE(popup->isVisible());
    // Chosen again, it is the newest lookup.
    EXPECT_EQ(run.session.searchHistory.lookups().constFirst(), (Lookup{QStringLiteral("gato"), false}));
}

TEST_F(SearchHistoryInWindow, AltLeftAndAltRightStepThroughTheLookupsLikeABrowser)
{
    run.trigger("menuItaPorto");
    for (const QString &word : {QStringLiteral("casa"), QStringLiteral("cane"), QStringLiteral("gatto")})
        run.translate(word);
    const QList<Lookup> history = run.session.searchHistory.lookups();
    EXPECT_FALSE(run.action("menuAvanti")->isEnabled());

    const auto step = [this](int key) {
        run.pressKey("txtParola", key, Qt::AltModifier);
        return run.field("txtParola")->text();
    };
    EXPECT_EQ(step(Qt::Key_Left), QStringLiteral("cane"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("cane --> c\u00e3o")});
    EXPECT_EQ(step(Qt::Key_Left), QStringLiteral("casa"));
    EXPECT_FALSE(run.action("menuIndietro")->isEnabled());
    EXPECT_EQ(step(Qt::Key_Left), QStringLiteral("casa"));
    EXPECT_EQ(step(Qt::Key_Right), QStringLiteral("cane"));
    // Stepping is not looking up anew: the history keeps its order.
    EXPECT_EQ(run.session.searchHistory.lookups(), history);

    // A new lookup drops what was ahead.
    run.translate(QStringLiteral("precipitevolissimevolmente"));
    EXPECT_FALSE(run.action("menuAvanti")->isEnabled());
    EXPECT_EQ(step(Qt::Key_Left), QStringLiteral("cane"));
}

TEST(SearchHistoryAcrossRuns, ClearingForgetsTheListTheTrailAndTheFile)
{
    TestFolder folder;
    {
        ParloraRun run(folder.path());
        run.translate(QStringLiteral("casa"));
        run.translate(QStringLiteral("cane"));
        run.close();
    }
    ParloraRun run(folder.path());
    run.translate(QStringLiteral("gatto"));
    run.trigger("menuPulisciCronologia");
    EXPECT_TRUE(openDropDown(run).isEmpty());
    EXPECT_FALSE(run.action("menuIndietro")->isEnabled());
    run.close();

    QFile file(historyFile(folder));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().isEmpty());
}

} // namespace
} // namespace parlora::testing
