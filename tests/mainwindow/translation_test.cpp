#include "parlorarun.h"

#include "mainwindow/resultpane.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

namespace parlora::testing {
namespace {

const QString Pt = QStringLiteral("pt");

using Translation = WindowTest;

TEST_F(Translation, BothDirectionsFromTheKeyboardAndTheButton)
{
    run.session.settings.PhrasebookSearch = true;
    // Start-up direction: Portuguese to Italian.
    run.translate(QStringLiteral("c\u00e3o"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("c\u00e3o --> cane")});
    // Enter is swallowed: the field keeps exactly what was typed, selected.
    EXPECT_EQ(run.field("txtParola")->selectedText(), QStringLiteral("c\u00e3o"));

    run.trigger("menuItaPorto");
    // Switching neither clears nor translates again.
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("c\u00e3o --> cane")});

    run.field("txtParola")->setText(QStringLiteral("  CANE "));
    run.click("cmdTraduz");
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("cane --> c\u00e3o")});
    EXPECT_TRUE(run.field("txtParola")->hasFocus());
    const QString resultText = run.find<QPlainTextEdit>("Text1")->toPlainText();
    EXPECT_TRUE(resultText.contains(QStringLiteral("CANE da guardia"))) << resultText.toStdString();

    // An empty input clears the lists only.
    run.field("txtParola")->clear();
    run.click("cmdTraduz");
    EXPECT_TRUE(run.lines("lstTraduzioni").isEmpty());
    EXPECT_EQ(run.find<QPlainTextEdit>("Text1")->toPlainText(), resultText);
}

// Every way of choosing the direction shows the same thing everywhere: the
// labels name the languages, the menu ticks the direction, the button
// shows the flags in that order.
TEST_F(Translation, EveryDirectionSwitchNamesTheRightLanguages)
{
    const QString italian = QStringLiteral("(Italiano)"), portuguese = QStringLiteral("(Portugu\u00eas)");
    const struct {
        const char *name;
        std::function<void()> switchDirection;
        bool forward;
    } steps[] = {
        {"menuItaPorto", [&] { run.trigger("menuItaPorto"); }, true},
        {"toolbar swap", [&] { run.action("tbRecycling")->trigger(); }, false},
        {"Ctrl+D in the input", [&] { run.pressKey("txtParola", Qt::Key_D, Qt::ControlModifier); }, true},
        {"menuInverti", [&] { run.trigger("menuInverti"); }, false},
        {"menuPortoIta again", [&] { run.trigger("menuPortoIta"); }, false},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        step.switchDirection();
        EXPECT_EQ(run.session.settings.Direction, step.forward);
        EXPECT_EQ(run.find<QLabel>("lblLingua1")->text(), step.forward ? italian : portuguese);
        EXPECT_EQ(run.find<QLabel>("lblLingua2")->text(), step.forward ? portuguese : italian);
        EXPECT_EQ(run.action("menuItaPorto")->isChecked(), step.forward);
        EXPECT_EQ(run.action("menuPortoIta")->isChecked(), !step.forward);
        EXPECT_EQ(run.find<QPushButton>("cmdTraduz")->property("picture").toString(),
                  step.forward ? QStringLiteral("picPort") : QStringLiteral("picItal"));
        // The personal dictionary's columns never change.
        EXPECT_EQ(run.find<QLabel>("lblLingua3")->text(), italian);
        EXPECT_EQ(run.find<QLabel>("lblLingua4")->text(), portuguese);
    }
}

TEST_F(Translation, UnknownWordsOfferSimilarOnesThatCanBeTaken)
{
    run.session.settings.SimilarWordSearch = false;
    run.translate(QStringLiteral("gatx"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{messageText(Pt, 4)});
    EXPECT_TRUE(run.lines("lstSimili").isEmpty());
    EXPECT_EQ(run.statusText(), QString());

    run.session.settings.SimilarWordSearch = true;
    run.translate(QStringLiteral("gatx"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{messageText(Pt, 3)});
    EXPECT_EQ(run.statusText(), messageText(Pt, 13));
    QAbstractItemView *similar = run.list("lstSimili");
    const int gato = run.rowOf("lstSimili", QStringLiteral("gato"));
    ASSERT_GE(gato, 0);
    // Without a selected line a double click changes nothing.
    QTest::mouseDClick(similar->viewport(), Qt::LeftButton, {}, QPoint(5, similar->viewport()->height() - 3));
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("gatx"));

    const QRect itemRect = similar->visualRect(similar->model()->index(gato, 0));
    QTest::mouseClick(similar->viewport(), Qt::LeftButton, {}, itemRect.center());
    QTest::mouseDClick(similar->viewport(), Qt::LeftButton, {}, itemRect.center());
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("gato"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("gato --> gatto")});

    // The pop-up's "Traduci" does the same.
    run.translate(QStringLiteral("gatx"));
    run.selectRow("lstSimili", run.rowOf("lstSimili", QStringLiteral("gato")));
    run.trigger("menuTraduci");
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("gato --> gatto")});
}

TEST_F(Translation, TwoLetterQueriesGetSimilarWords)
{
    run.session.settings.SimilarWordSearch = true;
    // "de" is a word of the entry "cão de guarda", one letter from "di".
    run.translate(QStringLiteral("di"));
    EXPECT_TRUE(run.lines("lstSimili").contains(QStringLiteral("de"))) << run.lines("lstSimili").join(u',').toStdString();
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{messageText(Pt, 3)});
}

// A key held down repeats Enter many times a second; each repeat used to
// start the whole search again.
TEST_F(Translation, AHeldEnterTranslatesOnce)
{
    run.session.settings.SimilarWordSearch = true;
    run.translate(QStringLiteral("gatx"));
    // A translation refills the lists, which drops the line chosen there.
    run.selectRow("lstSimili", 0);
    const QStringList chosen = run.selectedLines("lstSimili");
    ASSERT_EQ(chosen.size(), 1);
    QWidget *input = run.find<QWidget>("txtParola");
    for (int repeat = 0; repeat < 5; ++repeat) {
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QCoreApplication::sendEvent(input, &held);
    }
    EXPECT_EQ(run.selectedLines("lstSimili"), chosen) << "no new search while the key is held";
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("gatx")) << "and no line break typed";
}

TEST_F(Translation, OnlyLongLinesMakeTheListScrollSideways)
{
    run.trigger("menuItaPorto");
    QScrollBar *sideways = run.list("lstTraduzioni")->horizontalScrollBar();
    run.translate(QStringLiteral("casa"));
    EXPECT_EQ(sideways->maximum(), 0);

    // 26 + 5 + 17 characters: wider than the list, and all of it reachable.
    run.translate(QStringLiteral("precipitevolissimevolmente"));
    QAbstractItemView *translations = run.list("lstTraduzioni");
    const int lineWidth = translations->fontMetrics().horizontalAdvance(run.lines("lstTraduzioni").at(0));
    EXPECT_GT(sideways->maximum(), 0);
    EXPECT_GE(sideways->maximum() + translations->viewport()->width(), lineWidth);

    // The next translation starts again from a narrow range.
    run.translate(QStringLiteral("casa"));
    EXPECT_EQ(sideways->maximum(), 0);
}

// An empty white bar once sat beside the status text all the time.
TEST_F(Translation, TheProgressBarShowsOnlyWhileASearchRuns)
{
    auto *bar = run.find<QProgressBar>("barAtividade");
    struct ShowRecorder : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            shown |= event->type() == QEvent::Show;
            return false;
        }
        bool shown = false;
    } recorder;
    bar->installEventFilter(&recorder);
    run.translate(QStringLiteral("cane"));
    EXPECT_TRUE(recorder.shown);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_GT(bar->maximum(), bar->minimum()) << "never a busy indicator";
}

// A line found through the base form of an inflected word leads to that
// base form, as a similar word leads to itself.
TEST(ResultPaneLines, ADoubleClickOnABaseFormLineLooksUpTheBaseForm)
{
    ResultPane pane;
    pane.resize(400, 300);
    pane.show();
    const QString throughBaseForm = QStringLiteral("parliamo \u00bb parlare --> falar");
    TranslationResult result;
    result.addedLines = {{ResultList::Translations, throughBaseForm},
                         {ResultList::Translations, QStringLiteral("ciao --> oi")}};
    result.baseFormLines = {{throughBaseForm, QStringLiteral("parlare")}};
    pane.showResult(result);
    QSignalSpy lookUps(&pane, &ResultPane::lookUpRequested);
    QAbstractItemView *list = pane.findChild<QAbstractItemView *>(QStringLiteral("lstTraduzioni"));
    for (int row : {1, 0}) {
        const QModelIndex line = list->model()->index(row, 0);
        list->setCurrentIndex(line);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(line).center());
    }
    ASSERT_EQ(lookUps.size(), 1) << "only the base-form line leads anywhere";
    EXPECT_EQ(lookUps.front().front().toString(), QStringLiteral("parlare"));
}

} // namespace
} // namespace parlora::testing
