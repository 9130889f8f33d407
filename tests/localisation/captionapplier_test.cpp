#include "languagetestfiles.h"

#include "dialogs/captionapplier.h"
#include "localisation/interfacelanguage.h"
#include "localisation/languagefile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

using namespace parlora;

namespace {

template <typename T>
T *named(const char *name, T *object)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

// Just the named controls the captions go to, built the way the real
// windows build them: menus with actions, pop-up menus outside the menu bar,
// toolbar actions told apart by their data key.
struct FakeMainWindow : QMainWindow {
    FakeMainWindow()
    {
        named("menuFile", menuBar()->addMenu(QStringLiteral("File")));
        auto *dictionary = named("menuDizionario", menuBar()->addMenu(QStringLiteral("Dizionario")));
        named("menuCancella", dictionary->addAction(QStringLiteral("Cancella")));
        named("menuAnnulla", dictionary->addAction(QStringLiteral("Annulla Modifiche")));
        named("menuRipeti", dictionary->addAction(QStringLiteral("Ripeti Modifiche")));

        auto *popup = named("menuPopup", new QMenu(QStringLiteral("&Popup"), this));
        named("menuCopia2", popup->addAction(QStringLiteral("Copia")));
        auto *popup2 = named("menuPopup2", new QMenu(QStringLiteral("Popup2"), this));
        named("menuCopia3", popup2->addAction(QStringLiteral("Copia")));
        auto *dictionary2 = named("menuDizionario2", new QMenu(QStringLiteral("Dizionario2"), this));
        named("menuCancella2", dictionary2->addAction(QStringLiteral("Cancella")));
        named("menuAnnulla2", dictionary2->addAction(QStringLiteral("Annulla Modifiche")));
        named("menuRipeti2", dictionary2->addAction(QStringLiteral("Ripeti Modifiche")));

        auto *toolbar = named("tbToolBar", addToolBar(QStringLiteral("tbToolBar")));
        for (const char *key : {"Opzioni", "Cut", "Recycling"})
            toolbar->addAction(QStringLiteral("button"))->setData(QLatin1String(key));

        auto *central = new QWidget(this);
        setCentralWidget(central);
        named("lblParola1", new QLabel(QStringLiteral("Parola"), central));
        named("txtParola", new QLineEdit(central));
    }

    template <typename T = QObject>
    T *child(const char *name) const
    {
        return findChild<T *>(QLatin1String(name));
    }
    QAction *toolbarAction(const char *key) const
    {
        for (QAction *action : findChildren<QAction *>()) {
            if (action->data().toString() == QLatin1String(key))
                return action;
        }
        return nullptr;
    }
};

struct FakeOptionsWindow : QDialog {
    FakeOptionsWindow()
    {
        setWindowTitle(QStringLiteral("Opzioni"));
        named("Frame1", new QGroupBox(QStringLiteral("Lingua"), this));
        named("ckbSimili", new QCheckBox(QStringLiteral("Ricerca parole simili"), this));
        named("cmdOK", new QPushButton(QStringLiteral("OK"), this));
    }
};

struct FakeAboutWindow : QDialog {
    FakeAboutWindow() { named("Label6", new QLabel(QStringLiteral("versione 3.0"), this)); }
};

class CaptionApplierTest : public testing::Test {
protected:
    // Creates the options and about windows only when asked, as the program
    // does for windows not shown yet.
    QWidget *provide(CaptionWindow kind)
    {
        switch (kind) {
        case CaptionWindow::Main:
            return &m_main;
        case CaptionWindow::Config:
            if (!m_options)
                m_options = std::make_unique<FakeOptionsWindow>();
            return m_options.get();
        case CaptionWindow::Info:
            return m_aboutAvailable ? &m_about : nullptr;
        }
        return nullptr;
    }
    CaptionWindowProvider provider()
    {
        return [this](CaptionWindow kind) { return provide(kind); };
    }
    static QStringList lines() { return test::numberedLines(QStringLiteral("line"), FixedLanguageLineCount); }
    static QString line(int number) { return QStringLiteral("line %1").arg(number); }

    FakeMainWindow m_main;
    std::unique_ptr<FakeOptionsWindow> m_options;
    FakeAboutWindow m_about;
    bool m_aboutAvailable = true;
};

TEST_F(CaptionApplierTest, SetsEachKindOfTargetFromItsLine)
{
    applyCaptions(lines(), provider());

    EXPECT_EQ(m_main.child<QMenu>("menuFile")->title(), QStringLiteral("&line 1"));
    EXPECT_EQ(m_main.child<QMenu>("menuPopup")->title(), line(20));
    EXPECT_EQ(m_main.child<QLabel>("lblParola1")->text(), line(31));
    EXPECT_EQ(m_main.child<QLineEdit>("txtParola")->toolTip(), line(39));
    EXPECT_EQ(m_main.toolbarAction("Opzioni")->toolTip(), line(47));
    EXPECT_EQ(m_main.toolbarAction("Recycling")->toolTip(), line(55));

    ASSERT_TRUE(m_options);
    EXPECT_EQ(m_options->windowTitle(), line(25));
    EXPECT_EQ(m_options->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), line(26));
    EXPECT_EQ(m_options->findChild<QCheckBox *>(QStringLiteral("ckbSimili"))->text(), line(27));
    EXPECT_EQ(m_options->findChild<QPushButton *>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));

    EXPECT_EQ(m_about.findChild<QLabel *>(QStringLiteral("Label6"))->text(), QStringLiteral("line 57 3.1"));

    // The pop-up menus repeat their menu bar captions.
    EXPECT_EQ(m_main.child<QAction>("menuCancella2")->text(), line(16));
    EXPECT_EQ(m_main.child<QAction>("menuRipeti2")->text(), line(22));
    EXPECT_EQ(m_main.child<QAction>("menuAnnulla2")->text(), line(23));
    EXPECT_EQ(m_main.child<QAction>("menuCopia3")->text(), line(21));
}

TEST_F(CaptionApplierTest, MissingWindowOnlySkipsItsOwnTexts)
{
    m_aboutAvailable = false;
    applyCaptions(lines(), provider());

    EXPECT_EQ(m_about.findChild<QLabel *>(QStringLiteral("Label6"))->text(), QStringLiteral("versione 3.0"));
    EXPECT_EQ(m_main.child<QAction>("menuCopia3")->text(), line(21));
}

// End to end: a switch of the interface language re-captions the windows,
// and a failed switch leaves them alone.
TEST_F(CaptionApplierTest, LanguageSwitchRecaptionsTheWindows)
{
    InterfaceLanguage language{ApplicationFolder(QStringLiteral(PARLORA_DIST_DIR))};
    language.setCaptionApplier(captionApplierFor(provider()));

    ASSERT_TRUE(language.SetInterfaceLanguage(QStringLiteral("English")));
    EXPECT_EQ(m_main.child<QMenu>("menuFile")->title(), QStringLiteral("&File"));
    EXPECT_EQ(m_about.findChild<QLabel *>(QStringLiteral("Label6"))->text(), QStringLiteral("version 3.1"));

    ASSERT_TRUE(language.SetInterfaceLanguage(QStringLiteral("Italiano")));
    EXPECT_EQ(m_main.child<QAction>("menuCancella2")->text(), QStringLiteral("Cancella"));
    EXPECT_EQ(m_options->windowTitle(), QStringLiteral("Opzioni"));

    EXPECT_FALSE(language.SetInterfaceLanguage(QStringLiteral("Klingon")));
    EXPECT_EQ(m_main.child<QAction>("menuCancella2")->text(), QStringLiteral("Cancella"));
}

} // namespace

int main(int argc, char **argv)
{
    // The build lists the tests by running this program, without the
    // offscreen setting CTest gives the test runs, and often without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
