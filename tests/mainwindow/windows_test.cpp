#include "parlorarun.h"

#include "dialogs/aboutwindow.h"
#include "dialogs/optionswindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

namespace parlora::testing {
namespace {

using ProgramWindows = WindowTest;

TEST_F(ProgramWindows, OptionsAndAboutOpenFromTheMainWindow)
{
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
}

// The about window, closed with OK and opened again, once showed its
// built-in Italian texts whatever the interface language.
TEST_F(ProgramWindows, AReopenedAboutWindowSpeaksTheCurrentLanguage)
{
    run.session.interfaceLanguage.SetInterfaceLanguage(QStringLiteral("English"));
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        run.trigger("menuInfo");
        QPointer<AboutWindow> about = run.windows->aboutWindow();
        ASSERT_TRUE(about);
        EXPECT_EQ(about->windowTitle(), messageText(QStringLiteral("en"), 54));
        EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("en caption 36"));
        EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("Label6"))->text(), QStringLiteral("en caption 57 3.1"));
        EXPECT_EQ(about->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), messageText(QStringLiteral("en"), 55));
        about->findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull());
    }
}

TEST(Help, OpensThePageOfTheInterfaceLanguageOrSaysItCannot)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    const struct {
        const char *language;
        const char *page;
    } cases[] = {{"Italiano", "/help/help.htm"}, {"Português", "/help/helppt.htm"}, {"English", "/help/helpen.htm"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_TRUE(run.session.interfaceLanguage.SetInterfaceLanguage(QString::fromUtf8(c.language)));
        run.opened.clear();
        run.pressKey("txtParola", Qt::Key_F1);
        ASSERT_EQ(run.opened.size(), 1);
        EXPECT_TRUE(run.opened[0].toLocalFile().endsWith(QLatin1String(c.page))) << run.opened[0].toString().toStdString();
    }

    // Without a program for the page the user learns where it is.
    run.desktopOpensLinks = false;
    run.trigger("menuHelp");
    ASSERT_EQ(run.prompts.shown.size(), 1);
    EXPECT_TRUE(run.prompts.shown[0].text.startsWith(messageText(QStringLiteral("en"), 46)));
    EXPECT_TRUE(run.prompts.shown[0].text.contains(QStringLiteral("helpen.htm")));
}

// The web link once hid the about window whether or not a browser opened
// the page; with nothing to open it, the user was left with nothing.
TEST_F(ProgramWindows, ALinkNoProgramCanOpenIsShownInAMessage)
{
    run.desktopOpensLinks = false;
    run.trigger("menuInfo");
    AboutWindow *about = run.windows->aboutWindow();
    ASSERT_TRUE(about);
    for (const char *link : {"lblURL", "lblMail"}) {
        SCOPED_TRACE(link);
        run.prompts.shown.clear();
        QTest::mouseClick(about->findChild<QWidget *>(QLatin1String(link)), Qt::LeftButton);
        ASSERT_EQ(run.prompts.shown.size(), 1);
        EXPECT_TRUE(run.prompts.shown[0].text.contains(QStringLiteral("parlora.org")));
        EXPECT_TRUE(about->isVisible());
    }
}

} // namespace
} // namespace parlora::testing
