#include "parlorarun.h"

#include "dialogs/aboutwindow.h"
#include "dialogs/optionswindow.h"

#include <QAction>
#include <QCheckBox>

#include <gtest/gtest.h>

namespace parlora::testing {
namespace {

TEST(ProgramWindows, OptionsAboutAndHelpOpenFromTheMainWindow)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    OptionsWindow &options = run.windows->optionsWindow();
    // Created at start-up, hidden, already in the interface language.
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(options.windowTitle(), QStringLiteral("pt caption 25"));

    run.trigger("menuConfigurazione");
    EXPECT_TRUE(options.isVisible());
    EXPECT_FALSE(options.isModal());
    options.hide();
    run.find<QAction>("tbOpzioni")->trigger();
    EXPECT_TRUE(options.isVisible());
    options.hide();

    run.trigger("menuInfo");
    ASSERT_NE(run.windows->aboutWindow(), nullptr);
    EXPECT_TRUE(run.windows->aboutWindow()->isVisible());

    run.trigger("menuHelp");
    ASSERT_EQ(run.opened.size(), 1);
    EXPECT_TRUE(run.opened[0].toLocalFile().endsWith(QStringLiteral("/help/helppt.htm")))
        << run.opened[0].toString().toStdString();
}

TEST(ProgramWindows, SimilarWordsOptionChangesTheNextTranslation)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    OptionsWindow &options = run.windows->optionsWindow();
    run.trigger("menuConfigurazione");
    auto *similar = options.findChild<QCheckBox *>(QStringLiteral("ckbSimili"));
    ASSERT_NE(similar, nullptr);
    EXPECT_TRUE(similar->isChecked());
    similar->setChecked(false);
    auto *ok = options.findChild<QAbstractButton *>(QStringLiteral("cmdOK"));
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_FALSE(run.session.settings.SimilarWordSearch);

    run.typeInto("txtParola", QStringLiteral("gata"));
    run.pressKey("txtParola", Qt::Key_Return);
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{messageText(QStringLiteral("pt"), 4)});
}

} // namespace
} // namespace parlora::testing
