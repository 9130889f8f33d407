#include "dialogs/captionapplier.h"
#include "dialogs/optionswindow.h"
#include "dialogs/updatewindow.h"
#include "dialogs/linklabel.h"
#include "languagefolder.h"
#include "localhttpserver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

const QString SwitchFailed = QStringLiteral("Errore nel cambio della lingua");

// The options window over a language folder holding "Italiano" and
// "English", with message boxes, the desktop and the network replaced.
class OptionsWindowTest : public ::testing::Test {
protected:
    OptionsWindowTest()
    {
        languages.addLanguage(QStringLiteral("Italiano"));
        languages.addLanguage(QStringLiteral("English"));
        language.setCaptionApplier(captionApplierFor([this](CaptionWindow kind) -> QWidget * {
            return kind == CaptionWindow::Config ? &window : nullptr;
        }));
        language.SetInterfaceLanguage(QStringLiteral("Italiano"));
        settings.SimilarWordSearch = true;
        settings.PhrasebookSearch = false;

        window.setMessagePresenter([this](QWidget *, const QString &text) { messages << text; });
        window.setShellOpener([this](const QUrl &address) { opened << address; });
        window.setOptionsChangedListener([this] { ++optionsChangedCount; });
        UpdateCheckSetup setup;
        setup.serverAddress = server.address();
        setup.downloadFolder = downloads.path();
        window.setUpdateCheckSetup(setup);
    }

    template <typename T> T *control(const char *name) { return window.findChild<T *>(QLatin1String(name)); }

    QStringList listedLanguages()
    {
        QStringList items;
        auto *box = control<QComboBox>("cmbLingua");
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    LanguageFolder languages;
    ApplicationFolder folder{languages.path()};
    InterfaceLanguage language{ApplicationFolder(languages.path())};
    Settings settings;
    OptionsWindow window{settings, language, folder};
    QTemporaryDir downloads;
    LocalHttpServer server;
    QStringList messages;
    QList<QUrl> opened;
    int optionsChangedCount = 0;
};

} // namespace

TEST_F(OptionsWindowTest, RefillListsOnlyFilesEndingInLowerCaseLng)
{
    languages.addFile(QStringLiteral("Deutsch.LNG"), "x");
    languages.addFile(QStringLiteral("notes.txt"), "x");
    languages.addFile(QStringLiteral("Italiano.lng.bak"), "x");
    languages.addFolder(QStringLiteral("Folder.lng"));
    settings.PhrasebookSearch = true;
    settings.SimilarWordSearch = false;

    window.refill();

    EXPECT_EQ(listedLanguages(), QStringList({QStringLiteral("English"), QStringLiteral("Italiano")}));
    EXPECT_EQ(control<QComboBox>("cmbLingua")->currentText(), QStringLiteral("Italiano"));
    EXPECT_FALSE(control<QCheckBox>("ckbSimili")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("ckbFrasario")->isChecked());
}

TEST_F(OptionsWindowTest, RefillShowsTheCurrentLanguageEvenWithoutLanguageFolder)
{
    QDir(languages.path() + QStringLiteral("/lang")).removeRecursively();

    window.refill();

    EXPECT_TRUE(listedLanguages().isEmpty());
    EXPECT_EQ(control<QComboBox>("cmbLingua")->currentText(), QStringLiteral("Italiano"));
}

TEST_F(OptionsWindowTest, OkSwitchesLanguageStoresTheBoxesAndHides)
{
    window.show();
    window.refill();
    control<QComboBox>("cmbLingua")->setCurrentText(QStringLiteral("English"));
    control<QCheckBox>("ckbSimili")->setChecked(false);
    control<QCheckBox>("ckbFrasario")->setChecked(true);

    click("cmdOK");

    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("English"));
    EXPECT_FALSE(settings.SimilarWordSearch);
    EXPECT_TRUE(settings.PhrasebookSearch);
    EXPECT_EQ(optionsChangedCount, 1);
    EXPECT_FALSE(window.isVisible());
    // The switch reaches this window too.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("English 25"));
    EXPECT_EQ(control<QGroupBox>("Frame1")->title(), QStringLiteral("English 26"));
    EXPECT_EQ(control<QPushButton>("cmdAnnulla")->text(), QStringLiteral("English 29"));
}

TEST_F(OptionsWindowTest, FailedSwitchKeepsEverythingAndSaysSo)
{
    for (const QString &typed : {QStringLiteral("Klingon"), QString(), QStringLiteral("english"),
                                 QStringLiteral("../lang/English")}) {
        SCOPED_TRACE(typed.toStdString());
        messages.clear();
        window.show();
        window.refill();
        control<QComboBox>("cmbLingua")->setCurrentText(typed);
        control<QCheckBox>("ckbSimili")->setChecked(false);
        control<QCheckBox>("ckbFrasario")->setChecked(true);

        click("cmdOK");

        EXPECT_EQ(messages, QStringList{SwitchFailed});
        EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("Italiano"));
        EXPECT_TRUE(settings.SimilarWordSearch);
        EXPECT_FALSE(settings.PhrasebookSearch);
        EXPECT_EQ(optionsChangedCount, 0);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(control<QComboBox>("cmbLingua")->currentText(), typed) << "the user's entry stays";
        EXPECT_FALSE(control<QCheckBox>("ckbSimili")->isChecked());
    }
}

TEST_F(OptionsWindowTest, AnnullaHidesWithoutStoringAnything)
{
    window.show();
    window.refill();
    control<QComboBox>("cmbLingua")->setCurrentText(QStringLiteral("English"));
    control<QCheckBox>("ckbFrasario")->setChecked(true);

    click("cmdAnnulla");

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("Italiano"));
    EXPECT_FALSE(settings.PhrasebookSearch);
    EXPECT_TRUE(control<QCheckBox>("ckbFrasario")->isChecked()) << "kept until the next activation";
}

TEST_F(OptionsWindowTest, ComingBackFromAnotherWindowForgetsUnconfirmedChanges)
{
    QWidget other;
    other.show();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(control<QCheckBox>("ckbSimili")->isChecked()) << "first activation fills the window";

    control<QCheckBox>("ckbSimili")->setChecked(false);
    control<QComboBox>("cmbLingua")->setCurrentText(QStringLiteral("English"));
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    EXPECT_TRUE(control<QCheckBox>("ckbSimili")->isChecked());
    EXPECT_EQ(control<QComboBox>("cmbLingua")->currentText(), QStringLiteral("Italiano"));
}

TEST_F(OptionsWindowTest, UpToDateVersionShowsMessageTwelve)
{
    server.answer("3.1\r\n");
    window.show();

    click("cmdUpdate");

    EXPECT_EQ(messages, QStringList{QStringLiteral("Italiano message 12")});
    EXPECT_EQ(window.updateWindow(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(OptionsWindowTest, FailedCheckIsSilent)
{
    server.answer("");
    window.show();

    click("cmdUpdate");

    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(window.updateWindow(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(OptionsWindowTest, NewerVersionOpensUpdateWindowWhoseLinkOpensTheDownloadPage)
{
    server.answer("3.2\r\n");
    window.show();
    click("cmdUpdate");

    UpdateWindow *update = window.updateWindow();
    ASSERT_NE(update, nullptr);
    EXPECT_TRUE(update->isVisible());
    EXPECT_TRUE(messages.isEmpty());
    auto *label1 = update->findChild<QLabel *>(QStringLiteral("Label1"));
    EXPECT_EQ(label1->text(), QStringLiteral("Italiano message 11"));
    auto *link = update->findChild<LinkLabel *>(QStringLiteral("lblURL"));
    EXPECT_EQ(link->text(), server.address());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(link, Qt::LeftButton);

    EXPECT_EQ(opened, QList<QUrl>{QUrl(server.address() + QStringLiteral("/Ravaruz/Parlora/download.htm"))});
    EXPECT_FALSE(update->isVisible());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(OptionsWindowTest, UpdateWindowKeepsItsTextWhileHiddenAndRereadsItAfterClosing)
{
    server.answer("3.2\r\n");
    window.show();
    click("cmdUpdate");
    QPointer<UpdateWindow> first = window.updateWindow();
    ASSERT_TRUE(first);
    first->hide();
    language.SetInterfaceLanguage(QStringLiteral("English"));

    click("cmdUpdate");
    ASSERT_EQ(window.updateWindow(), first.data());
    EXPECT_EQ(first->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Italiano message 11"));

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(first.isNull());
    click("cmdUpdate");
    ASSERT_NE(window.updateWindow(), nullptr);
    EXPECT_EQ(window.updateWindow()->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
              QStringLiteral("English message 11"));
}
