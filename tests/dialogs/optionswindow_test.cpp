#include "dialogs/captionapplier.h"
#include "dialogs/linklabel.h"
#include "dialogs/optionswindow.h"
#include "dialogs/updatewindow.h"
#include "localisation/builtinmessages.h"
#include "localhttpserver.h"
#include "../support/qtprinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
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
        window.setShellOpener([this](const QUrl &address) {
            opened << address;
            return true;
        });
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
            lines << QStringLiteral("%1 message %2").arg(name).arg(index)
                        + (index >= Message::LanguageSwitchFailed && index <= Message::LinkCannotBeOpened
                               ? QStringLiteral(" %1 %2")
                               : QString());
        addFile(name + QStringLiteral(".lng"), lines.join(QStringLiteral("\r\n")).toLatin1());
    }
    void addFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(QStringLiteral("lang/") + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    template <typename T> T *control(const char *name) { return window.findChild<T *>(QLatin1String(name)); }
    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void choose(const QString &name, bool similar, bool phrasebook, bool baseForms = true)
    {
        control<QComboBox>("cmbLingua")->setCurrentText(name);
        control<QCheckBox>("ckbSimili")->setChecked(similar);
        control<QCheckBox>("ckbFrasario")->setChecked(phrasebook);
        control<QCheckBox>("ckbFormeBase")->setChecked(baseForms);
    }
    // Picks an entry of the language list the way a user does: the list is
    // opened and the entry clicked.
    void pickFromList(const QString &name)
    {
        auto *box = control<QComboBox>("cmbLingua");
        box->showPopup();
        QAbstractItemView *list = box->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const int row = box->findText(name);
        ASSERT_GE(row, 0) << name.toStdString();
        const QRect entry = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
        QTRY_VERIFY(!list->window()->isVisible());
        QCoreApplication::processEvents();
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
    choose(QStringLiteral("English"), false, true, false);

    click("cmdOK");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("English"));
    EXPECT_FALSE(settings.SimilarWordSearch);
    EXPECT_TRUE(settings.PhrasebookSearch);
    EXPECT_FALSE(settings.BaseFormSearch);
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
    EXPECT_FALSE(control<QCheckBox>("ckbFormeBase")->isChecked());
}

// Choosing from the list was the usual way to switch, and it did nothing:
// closing the list counted as coming back from another window, which put
// the current language back into the box.
TEST_F(OptionsWindowTest, ALanguageChosenFromTheOpenedListIsApplied)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    pickFromList(QStringLiteral("English"));
    EXPECT_EQ(control<QComboBox>("cmbLingua")->currentText(), QStringLiteral("English"));
    click("cmdOK");
    EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("English"));
}

// Only a language that can be applied is offered; a file saved by a Linux
// editor (LF line ends, UTF-8) is one of them.
TEST_F(OptionsWindowTest, TheListOffersExactlyTheLanguagesThatCanBeApplied)
{
    QByteArray unixUtf8 = "# saved on Linux\n";
    for (int line = 1; line <= 57; ++line)
        unixUtf8 += "Fran\xc3\xa7" "ais " + QByteArray::number(line) + "\n";
    addFile(QStringLiteral("Fran\u00e7ais.lng"), unixUtf8);
    addFile(QStringLiteral("Tronco.lng"), "File\r\nEsci\r\n");
    window.hide();
    window.show();
    auto *box = control<QComboBox>("cmbLingua");
    QStringList offered;
    for (int row = 0; row < box->count(); ++row)
        offered << box->itemText(row);
    EXPECT_EQ(offered, (QStringList{QStringLiteral("English"), QStringLiteral("Fran\u00e7ais"), QStringLiteral("Italiano")}));

    choose(QStringLiteral("Fran\u00e7ais"), true, false);
    click("cmdOK");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Fran\u00e7ais 25")) << "read as UTF-8, not as mojibake";
}

TEST_F(OptionsWindowTest, LongCaptionsWidenTheControlsInsteadOfBeingCut)
{
    addLanguage(QStringLiteral("Lungo"), QString(60, QLatin1Char('x')));
    choose(QStringLiteral("Lungo"), true, false);
    click("cmdOK");
    window.show();
    QCoreApplication::processEvents();

    for (const char *name : {"ckbSimili", "ckbFrasario", "ckbFormeBase", "cmdUpdate", "cmdOK", "cmdAnnulla", "Frame1"}) {
        auto *widget = control<QWidget>(name);
        EXPECT_GE(widget->width(), widget->sizeHint().width()) << name;
        EXPECT_LE(widget->mapTo(&window, QPoint(widget->width(), 0)).x(), window.width()) << name;
    }
}

// The reason was never told, and the message was Italian in every language.
TEST_F(OptionsWindowTest, AFailedSwitchKeepsEverythingAndSaysWhyInTheUsersLanguage)
{
    addFile(QStringLiteral("Tronco.lng"), "File\r\nEsci\r\n");
    const QString english41 = QStringLiteral("English message 41");
    ASSERT_TRUE(language.SetInterfaceLanguage(QStringLiteral("English")));
    const struct {
        const char *typed;
        const char *reason;
    } cases[] = {
        {"Klingon", "English message 43"},
        {"", "English message 43"},
        {"english", "English message 43"},
        {"../lang/English", "English message 42"},
        {"Tronco", "English message 45"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        messages.clear();
        choose(QString::fromUtf8(c.typed), false, true);

        click("cmdOK");

        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(english41)) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(QLatin1String(c.reason))) << messages[0].toStdString();
        EXPECT_EQ(language.GetInterfaceLanguage(), QStringLiteral("English"));
        EXPECT_TRUE(settings.SimilarWordSearch && !settings.PhrasebookSearch);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(control<QComboBox>("cmbLingua")->currentText(), QString::fromUtf8(c.typed)) << "the user's entry stays";
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
