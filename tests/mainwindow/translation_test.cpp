#include "parlorarun.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace parlora::testing {
namespace {

const QString Pt = QStringLiteral("pt");

class Translation : public ::testing::Test {
protected:
    void translate(const QString &text)
    {
        run.typeInto("txtParola", text);
        run.pressKey("txtParola", Qt::Key_Return);
    }

    TestFolder folder;
    ParloraRun run{folder.path()};
};

TEST_F(Translation, BothDirectionsFromTheKeyboardAndTheButton)
{
    // Start-up direction: Portuguese to Italian.
    translate(QStringLiteral("c\u00e3o"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("c\u00e3o --> cane")});
    // Enter is swallowed: the field keeps exactly what was typed, selected.
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("c\u00e3o"));
    EXPECT_EQ(run.field("txtParola")->selectedText(), QStringLiteral("c\u00e3o"));

    run.trigger("menuItaPorto");
    EXPECT_EQ(run.find<QLabel>("lblLingua1")->text(), QStringLiteral("(Italiano)"));
    EXPECT_EQ(run.find<QPushButton>("cmdTraduz")->property("picture").toString(), QStringLiteral("picPort"));
    // Switching neither clears nor translates again.
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("c\u00e3o --> cane")});

    run.field("txtParola")->setText(QStringLiteral("  CANE "));
    run.click("cmdTraduz");
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("cane --> c\u00e3o")});
    EXPECT_TRUE(run.field("txtParola")->hasFocus());
}

TEST_F(Translation, SimilarWordsAndNotFoundLines)
{
    translate(QStringLiteral("gata"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{messageText(Pt, 3)});
    EXPECT_TRUE(run.lines("lstSimili").contains(QStringLiteral("gato")));
    EXPECT_EQ(run.statusText(), messageText(Pt, 13));

    run.session.settings.SimilarWordSearch = false;
    translate(QStringLiteral("gata"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{messageText(Pt, 4)});
    EXPECT_TRUE(run.lines("lstSimili").isEmpty());
    EXPECT_EQ(run.statusText(), QString());
}

TEST_F(Translation, TakingASimilarWordTranslatesIt)
{
    translate(QStringLiteral("gata"));
    QListWidget *similar = run.list("lstSimili");
    // Without a selected line a double click changes nothing.
    QTest::mouseDClick(similar->viewport(), Qt::LeftButton, {}, QPoint(5, similar->viewport()->height() - 3));
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("gata"));

    const QList<QListWidgetItem *> found = similar->findItems(QStringLiteral("gato"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QRect itemRect = similar->visualItemRect(found.first());
    QTest::mouseClick(similar->viewport(), Qt::LeftButton, {}, itemRect.center());
    QTest::mouseDClick(similar->viewport(), Qt::LeftButton, {}, itemRect.center());
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("gato"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("gato --> gatto")});

    // The pop-up's "Traduci" does the same.
    translate(QStringLiteral("gata"));
    similar->setCurrentItem(similar->findItems(QStringLiteral("gato"), Qt::MatchExactly).first());
    run.trigger("menuTraduci");
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("gato --> gatto")});
}

TEST_F(Translation, EmptyInputClearsOnlyTheLists)
{
    run.session.settings.PhrasebookSearch = true;
    run.trigger("menuItaPorto");
    translate(QStringLiteral("cane"));
    const QString resultText = run.find<QPlainTextEdit>("Text1")->toPlainText();
    EXPECT_TRUE(resultText.contains(QStringLiteral("CANE da guardia"))) << resultText.toStdString();

    run.field("txtParola")->clear();
    run.click("cmdTraduz");
    EXPECT_TRUE(run.lines("lstTraduzioni").isEmpty());
    EXPECT_TRUE(run.lines("lstSimili").isEmpty());
    EXPECT_EQ(run.find<QPlainTextEdit>("Text1")->toPlainText(), resultText);
}

TEST_F(Translation, OnlyLongLinesMakeTheListScrollSideways)
{
    run.trigger("menuItaPorto");
    QListWidget *translations = run.list("lstTraduzioni");
    translate(QStringLiteral("casa"));
    EXPECT_EQ(translations->horizontalScrollBar()->maximum(), 0);

    // 26 + 5 + 17 characters: wider than the list.
    translate(QStringLiteral("precipitevolissimevolmente"));
    const int scrollable = translations->horizontalScrollBar()->maximum();
    EXPECT_GT(scrollable, 0);
    const int lineWidth = translations->fontMetrics().horizontalAdvance(translations->item(0)->text());
    EXPECT_GE(scrollable + translations->viewport()->width(), lineWidth);

    // The next translation starts again from a narrow range.
    translate(QStringLiteral("casa"));
    EXPECT_EQ(translations->horizontalScrollBar()->maximum(), 0);
}

TEST_F(Translation, RecyclingButtonSwapsAndSwapsBack)
{
    QAction *recycling = run.find<QAction>("tbRecycling");
    ASSERT_NE(recycling, nullptr);
    recycling->trigger();
    EXPECT_TRUE(run.session.settings.Direction);
    EXPECT_TRUE(run.action("menuItaPorto")->isChecked());
    EXPECT_FALSE(run.action("menuPortoIta")->isChecked());
    recycling->trigger();
    EXPECT_FALSE(run.session.settings.Direction);
    EXPECT_TRUE(run.action("menuPortoIta")->isChecked());
    EXPECT_EQ(run.find<QPushButton>("cmdTraduz")->property("picture").toString(), QStringLiteral("picItal"));
}

} // namespace
} // namespace parlora::testing
