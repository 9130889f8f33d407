#include "dialogs/captionapplier.h"
#include "dialogs/linklabel.h"
#include "dialogs/optionswindow.h"
#include "dialogs/updatewindow.h"
#include "localisation/builtinmessages.h"
#include "localhttpserver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

// The options window over a language folder with "Italiano" and "English",
// whose every caption and message names its language and line ("English 25",
// "English message 12"); message boxes, the desktop and the update server are
// stand-ins.
class OptionsWindowTest : public ::testing::Test {
protected:
    OptionsWindowTest()
    {
        QDir(folder.path()).mkpath(QStringLiteral("lang"));
        addLanguage(QStringLiteral("Italiano"));
        addLanguage(QStringLiteral("English"));
        language.setCaptionApplier(captionApplierFor(
            [this](CaptionWindow kind) -> QWidget * { return kind == CaptionWindow::Config ? &window : nullptr; }));
        language.SetInterfaceLanguage(QStringLiteral("Italiano"));
        settings.SimilarWordSearch = true;
        window.setMessagePresenter([this](QWidget *, const QString &text) { messages << text; });
        window.setShellOpener([this](const QUrl &address) { opened << address; });
        window.setUpdateCheckSetup({server.address(), downloads.path(), {}});
        window.show();
    }

    void addLanguage(const QString &name, const QString &captionTail = {})
    {
        QStringList lines{QStringLiteral("# captions")};
        for (int line = 1; line <= 57; ++line)
            lines << QStringLiteral("%1 %2%3").arg(name).arg(line).arg(captionTail);
        lines << QStringLiteral("# messages");
        for (int index = 0; index < UsedMessageCount; ++index)
            lines << QStringLiteral("%1 message %2").arg(name).arg(index);
        addFile(name + QStringLiteral(".lng"), lines.join(QStringLiteral("\r\n")).toLatin1());
    }
    void addFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(QStringLiteral("lang/") + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    template <typename T> T *control(const char *name) { return window.findChild<T *>(QLatin1String(name)); }
    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void choose(const QString &name, bool similar, bool phrasebook)
    {
        control<QComboBox>("cmbLingua")->setCurrentText(name);
        control<QCheckBox>("ckbSimili")->setChecked(similar);
        control<QCheckBox>("ckbFrasario")->setChecked(phrasebook);
    }
    QString updateAnnouncement() const
    {
        return window.updateWindow()->findChild<QLabel *>(QStringLiteral("Label1"))->text();
    }

    QTemporaryDir folder;
    ApplicationFolder applicationFolder{folder.path()};
    InterfaceLanguage language{applicationFolder};
    Settings settings;
    OptionsWindow window{settings, language, applicationFolder};
    QTemporaryDir downloads;
    LocalHttpServer server;
    QStringList messages;
    QList<QUrl> opened;
};

} // namespace

TEST_F(OptionsWindowTest, OkSwitchesLanguageStoresTheBoxesAndShowsThemNextTime)
{
    for (const char *name : {"Deutsch.LNG", "notes.txt", "Italiano.lng.bak"})
        addFile(QString::fromLatin1(name), "x");
    QDir(folder.path()).mkpath(QStringLiteral("lang/Folder.lng"));
    int changes = 0;
    window.setOptionsChangedListener([&] { ++changes; });
    choose(QStringLiteral("English"), false, true);

    click("cmdOK");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("English"));
    EXPECT_FALSE(settings.SimilarWordSearch);
    EXPECT_TRUE(settings.PhrasebookSearch);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("English 25")) << "the switch reaches this window too";

    // Shown again: only files ending in a lower-case ".lng", sorted.
    window.show();
    auto *box = control<QComboBox>("cmbLingua");
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0), QStringLiteral("English"));
    EXPECT_EQ(box->currentText(), QStringLiteral("English"));
    EXPECT_FALSE(control<QCheckBox>("ckbSimili")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("ckbFrasario")->isChecked());
}

TEST_F(OptionsWindowTest, LongCaptionsWidenTheControlsInsteadOfBeingCut)
{
    addLanguage(QStringLiteral("Lungo"), QString(60, QLatin1Char('x')));
    choose(QStringLiteral("Lungo"), true, false);
    click("cmdOK");
    window.show();

    for (const char *name : {"ckbSimili", "ckbFrasario", "cmdUpdate", "cmdOK", "cmdAnnulla"}) {
        auto *widget = control<QWidget>(name);
        EXPECT_GE(widget->width(), widget->sizeHint().width()) << name;
        EXPECT_LE(widget->geometry().right(), window.width()) << name;
    }
}

TEST_F(OptionsWindowTest, FailedSwitchKeepsEverythingAndSaysSo)
{
    for (const QString &typed : {QStringLiteral("Klingon"), QString(), QStringLiteral("english"),
                                 QStringLiteral("../lang/English")}) {
        SCOPED_TRACE(typed.toStdString());
        messages.clear();
        choose(typed, false, true);

        click("cmdOK");

        EXPECT_EQ(messages, QStringList{QStringLiteral("Errore nel cambio della lingua")});
        EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("Italiano"));
        EXPECT_TRUE(settings.SimilarWordSearch && !settings.PhrasebookSearch);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(control<QComboBox>("cmbLingua")->currentText(), typed) << "the user's entry stays";
    }
}

TEST_F(OptionsWindowTest, AnnullaStoresNothingAndReturningToTheWindowForgetsTheChange)
{
    QWidget mainWindow;
    mainWindow.show();
    choose(QStringLiteral("English"), false, true);

    click("cmdAnnulla");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("Italiano"));
    EXPECT_TRUE(settings.SimilarWordSearch && !settings.PhrasebookSearch);

    // Unconfirmed changes also vanish when the user goes to another window
    // of the program and comes back.
    window.show();
    choose(QStringLiteral("English"), false, true);
    for (QWidget *next : {static_cast<QWidget *>(&mainWindow), static_cast<QWidget *>(&window)}) {
        next->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(next));
    }
    EXPECT_TRUE(control<QCheckBox>("ckbSimili")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("ckbFrasario")->isChecked());
    EXPECT_EQ(control<QComboBox>("cmbLingua")->currentText(), QStringLiteral("Italiano"));
}

TEST_F(OptionsWindowTest, UpdateCheckSaysUpToDateOrFailedOrOpensTheUpdateWindow)
{
    QPushButton *button = control<QPushButton>("cmdUpdate");
    const QString caption = button->text();
    server.answer("3.1\r\n");
    click("cmdUpdate");
    QTRY_COMPARE(messages, QStringList{QStringLiteral("Italiano message 12")});
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->text(), caption);

    server.answer("3.2", "404 Not Found");
    click("cmdUpdate");
    QTRY_COMPARE(messages.size(), 2);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Italiano message 34"))) << "a failed check is told";
    EXPECT_EQ(window.updateWindow(), nullptr);

    server.answer("3.2\r\n");
    click("cmdUpdate");
    QTRY_VERIFY(window.updateWindow());
    QPointer<UpdateWindow> update = window.updateWindow();
    EXPECT_TRUE(update->isVisible());
    EXPECT_EQ(updateAnnouncement(), QStringLiteral("Italiano message 11"));

    QTest::mouseClick(update->findChild<LinkLabel *>(QStringLiteral("lblURL")), Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{QUrl(server.address() + QStringLiteral("/Ravaruz/Parlora/download.htm"))});
    EXPECT_FALSE(update->isVisible());
    EXPECT_TRUE(window.isVisible());

    // Hidden, it keeps the announcement it was made with...
    language.SetInterfaceLanguage(QStringLiteral("English"));
    click("cmdUpdate");
    QTRY_VERIFY(update->isVisible());
    EXPECT_EQ(window.updateWindow(), update.data());
    EXPECT_EQ(updateAnnouncement(), QStringLiteral("Italiano message 11"));
    // ...closed, it is made again with the current one.
    update->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(update.isNull());
    click("cmdUpdate");
    QTRY_VERIFY(window.updateWindow());
    EXPECT_EQ(updateAnnouncement(), QStringLiteral("English message 11"));
}

// A slow server once froze the window and replayed every click afterwards.
TEST_F(OptionsWindowTest, WhileTheServerIsSlowTheButtonSaysSoAndTakesNoClicks)
{
    server.hang();
    window.setUpdateCheckSetup({server.address(), downloads.path(), {std::chrono::milliseconds(500), 1024}});
    QPushButton *button = control<QPushButton>("cmdUpdate");
    click("cmdUpdate");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->text(), QStringLiteral("Italiano message 33"));
    click("cmdUpdate");
    click("cmdUpdate");
    QTRY_VERIFY(button->isEnabled());
    EXPECT_EQ(messages.size(), 1) << "one check, one answer";

    // A build without an update server says so instead.
    window.setUpdateCheckSetup({QString(), downloads.path(), {}});
    click("cmdUpdate");
    EXPECT_EQ(messages.last(), QStringLiteral("Italiano message 32"));
}
