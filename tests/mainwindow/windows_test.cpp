#include "parlorarun.h"

#include "dialogs/aboutwindow.h"
#include "dialogs/optionswindow.h"

#include <QCheckBox>

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

    run.action("tbOpzioni")->trigger();
    EXPECT_TRUE(options.isVisible());
    EXPECT_FALSE(options.isModal());
    options.hide();

    // The options chosen there change the next translation.
    run.trigger("menuConfigurazione");
    auto *similar = options.findChild<QCheckBox *>(QStringLiteral("ckbSimili"));
    ASSERT_TRUE(similar && similar->isChecked());
    similar->setChecked(false);
    options.findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
    EXPECT_FALSE(options.isVisible());
    run.translate(QStringLiteral("gatx"));
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{messageText(QStringLiteral("pt"), 4)});

    run.trigger("menuInfo");
    ASSERT_NE(run.windows->aboutWindow(), nullptr);
    EXPECT_TRUE(run.windows->aboutWindow()->isVisible());

    run.trigger("menuHelp");
    ASSERT_EQ(run.opened.size(), 1);
    EXPECT_TRUE(run.opened[0].toLocalFile().endsWith(QStringLiteral("/help/helppt.htm")))
        << run.opened[0].toString().toStdString();
}

} // namespace
} // namespace parlora::testing
