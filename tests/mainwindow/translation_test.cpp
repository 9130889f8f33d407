#include "parlorarun.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

namespace parlora::testing {
namespace {

const QString Pt = QStringLiteral("pt");

using Translation = WindowTest;

TEST_F(Translation, BothDirectionsFromTheKeyboardTheButtonAndTheRecyclingButton)
{
    run.session.settings.PhrasebookSearch = true;
    // Start-up direction: Portuguese to Italian.
    run.translate(QStringLiteral("c\u00e3o"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("c\u00e3o --> cane")});
    // Enter is swallowed: the field keeps exactly what was typed, selected.
    EXPECT_EQ(run.field("txtParola")->selectedText(), QStringLiteral("c\u00e3o"));

    run.trigger("menuItaPorto");
    EXPECT_EQ(run.find<QLabel>("lblLingua1")->text(), QStringLiteral("(Italiano)"));
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

    // The toolbar's recycling button swaps back and forth.
    for (const bool forward : {false, true}) {
        run.action("tbRecycling")->trigger();
        EXPECT_EQ(run.session.settings.Direction, forward);
        EXPECT_EQ(run.action("menuItaPorto")->isChecked(), forward);
        EXPECT_EQ(run.action("menuPortoIta")->isChecked(), !forward);
        EXPECT_EQ(run.find<QPushButton>("cmdTraduz")->property("picture").toString(),
                  forward ? QStringLiteral("picPort") : QStringLiteral("picItal"));
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
    QListWidget *similar = run.list("lstSimili");
    ASSERT_EQ(similar->findItems(QStringLiteral("gato"), Qt::MatchExactly).size(), 1);
    // Without a selected line a double click changes nothing.
    QTest::mouseDClick(similar->viewport(), Qt::LeftButton, {}, QPoint(5, similar->viewport()->height() - 3));
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("gatx"));

    const QRect itemRect = similar->visualItemRect(similar->findItems(QStringLiteral("gato"), Qt::MatchExactly).at(0));
    QTest::mouseClick(similar->viewport(), Qt::LeftButton, {}, itemRect.center());
    QTest::mouseDClick(similar->viewport(), Qt::LeftButton, {}, itemRect.center());
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("gato"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("gato --> gatto")});

    // The pop-up's "Traduci" does the same.
    run.translate(QStringLiteral("gatx"));
    similar->setCurrentItem(similar->findItems(QStringLiteral("gato"), Qt::MatchExactly).at(0));
    run.trigger("menuTraduci");
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("gato --> gatto")});
}

TEST_F(Translation, OnlyLongLinesMakeTheListScrollSideways)
{
    run.trigger("menuItaPorto");
    QScrollBar *sideways = run.list("lstTraduzioni")->horizontalScrollBar();
    run.translate(QStringLiteral("casa"));
    EXPECT_EQ(sideways->maximum(), 0);

    // 26 + 5 + 17 characters: wider than the list, and all of it reachable.
    run.translate(QStringLiteral("precipitevolissimevolmente"));
    QListWidget *translations = run.list("lstTraduzioni");
    const int lineWidth = translations->fontMetrics().horizontalAdvance(translations->item(0)->text());
    EXPECT_GT(sideways->maximum(), 0);
    EXPECT_GE(sideways->maximum() + translations->viewport()->width(), lineWidth);

    // The next translation starts again from a narrow range.
    run.translate(QStringLiteral("casa"));
    EXPECT_EQ(sideways->maximum(), 0);
}

// Loading and translating report maxima of 0 and values past the maximum;
// the bar must neither turn into a busy indicator nor drop the value.
TEST_F(Translation, ProgressBarClampsValuesAndAcceptsAnEmptyRange)
{
    ProgressSink &sink = run.window();
    auto *bar = run.find<QProgressBar>("barAtividade");
    const struct {
        const char *name;
        int maximum;
        int value;
        int shownPercent;
    } cases[] = {
        {"InRange", 200, 50, 25},
        {"PastTheMaximum", 200, 450, 100},
        {"EmptyRange", 0, 30, 0},
        {"Negative", 100, -5, 0},
    };
    for (const auto &c : cases) {
        sink.setProgressMaximum(c.maximum);
        sink.setProgressValue(c.value);
        ASSERT_GT(bar->maximum(), bar->minimum()) << c.name;
        EXPECT_EQ((bar->value() - bar->minimum()) * 100 / (bar->maximum() - bar->minimum()), c.shownPercent) << c.name;
    }

    // A maximum lowered below the value keeps the bar full, not empty.
    sink.setProgressMaximum(1000);
    sink.setProgressValue(800);
    sink.setProgressMaximum(400);
    EXPECT_EQ(bar->value(), bar->maximum());
}

} // namespace
} // namespace parlora::testing
