#include "artwork/icons.h"
#include "dialogs/aboutwindow.h"
#include "dialogs/linklabel.h"
#include "localisation/languagemessages.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/wordlists.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

QImage frameImage(int frame)
{
    return icons::artwork(QStringLiteral("about-book-%1").arg(frame)).pixmap(QSize(36, 28)).toImage();
}

// 1200 main entries, 3 personal ones, and a main window to open over.
class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindowTest()
    {
        for (int i = 0; i < 1200; ++i)
            dictionary.Language1Entries << QStringLiteral("parola%1").arg(i);
        for (const char *word : {"casa", "gatto", "mare"})
            addPersonal(QString::fromLatin1(word));
        mainWindow.move(200, 150);
        mainWindow.show();
    }

    void addPersonal(QString word)
    {
        QString translation = word + QStringLiteral("-pt");
        personal.InsertEntry(word, translation);
    }
    // Opens (creating when needed) and activates, as the Info menu does.
    void open()
    {
        if (!about) {
            about = new AboutWindow(dictionary, personal,
                                    [this](const QUrl &url) {
                                        opened << url;
                                        return opens;
                                    },
                                    &mainWindow);
            about->setLinkFailureReporter([this](const QString &address) { failures << address; });
        }
        about->show();
        about->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    }
    // Another window of the program takes the focus.
    void leave()
    {
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    }
    template <typename T> T *control(const char *name) { return about->findChild<T *>(QLatin1String(name)); }
    void tick() { QMetaObject::invokeMethod(control<QTimer>("tmrBook"), "timeout"); }

    MainDictionary dictionary;
    PersonalDictionary personal;
    QWidget mainWindow;
    QWidget elsewhere;
    QPointer<AboutWindow> about;
    QList<QUrl> opened;
    bool opens = true;
    QStringList failures;
};

} // namespace

TEST_F(AboutWindowTest, EachActivationRefreshesCountsAndPlacementButNotTheAnimation)
{
    open();
    EXPECT_EQ(control<QLineEdit>("txtParole")->text(), QStringLiteral("1200 + 3"));
    EXPECT_EQ(about->frameGeometry().topLeft(), mainWindow.frameGeometry().topLeft());
    ASSERT_TRUE(control<QTimer>("tmrBook")->isActive());
    QList<int> shown;
    for (int i = 0; i < 5; ++i) {
        tick();
        shown << about->animationFrame();
        EXPECT_EQ(control<QLabel>("picJanela")->pixmap().toImage(), frameImage(shown.last()));
    }
    EXPECT_EQ(shown, QList<int>({1, 2, 3, 4, 1}));
    EXPECT_NE(frameImage(1), frameImage(2));

    leave();
    addPersonal(QStringLiteral("sole"));
    mainWindow.move(320, 240);
    open();
    EXPECT_EQ(control<QLineEdit>("txtParole")->text(), QStringLiteral("1200 + 4"));
    EXPECT_EQ(about->frameGeometry().topLeft(), mainWindow.frameGeometry().topLeft());
    tick();
    EXPECT_EQ(about->animationFrame(), 2) << "activation does not restart the animation";
}

TEST_F(AboutWindowTest, WebLinkOnlyHidesTheWindowOkDestroysIt)
{
    open();
    QTest::mouseClick(control<LinkLabel>("lblMail"), Qt::LeftButton);
    EXPECT_TRUE(about->isVisible());
    // The links work from the keyboard too.
    control<LinkLabel>("lblURL")->setFocus();
    QTest::keyClick(control<LinkLabel>("lblURL"), Qt::Key_Return);
    EXPECT_EQ(opened, QList<QUrl>({QUrl(QStringLiteral("mailto:info@parlora.org")),
                                    QUrl(QStringLiteral("https://parlora.org"))}));
    EXPECT_FALSE(about->isVisible());
    ASSERT_FALSE(about.isNull());

    open();
    tick();
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(about.isNull());
    open();
    EXPECT_EQ(about->animationFrame(), 0) << "a new window starts a new animation";
}

TEST_F(AboutWindowTest, ALinkNothingCanOpenLeavesTheWindowAndNamesTheAddress)
{
    opens = false;
    open();
    QTest::mouseClick(control<LinkLabel>("lblURL"), Qt::LeftButton);
    EXPECT_EQ(failures, QStringList{QStringLiteral("https://parlora.org")});
    EXPECT_TRUE(about->isVisible());
}

// The window once came up 533 pixels tall instead of 262 now and then: its
// height was worked out from a frame the desktop had not drawn yet. Its
// size now comes from what it shows, so it is the same at every opening.
TEST_F(AboutWindowTest, EveryOpeningHasTheSameSizeAndShowsAllItsTexts)
{
    LanguageMessages messages;
    open();
    about->applyMessages(messages);
    const QSize first = about->size();
    for (int opening = 0; opening < 5; ++opening) {
        leave();
        open();
        EXPECT_EQ(about->size(), first);
    }
    for (QLabel *label : about->findChildren<QLabel *>()) {
        if (!label->wordWrap() && !label->text().isEmpty()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        }
    }
}
