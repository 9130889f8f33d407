#include "languagetestfiles.h"

#include "dialogs/captionapplier.h"
#include "localisation/languagefile.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

template <typename T>
T *named(const char *name, T *object)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

// Stand-ins for the three windows with a control of each kind a caption line
// can set, named and nested as in the real ones: actions in menus, a pop-up
// menu outside the menu bar, toolbar actions told apart by their data key.
class CaptionApplierTest : public testing::Test {
protected:
    CaptionApplierTest()
    {
        named("menuFile", m_main.menuBar()->addMenu(QStringLiteral("File")));
        named("menuCancella", m_main.menuBar()->addMenu(QStringLiteral("Dizionario"))->addAction(QStringLiteral("Cancella")));
        auto *popup = new QMenu(&m_main);
        for (const char *name : {"menuCancella2", "menuCopia2", "menuCopia3"})
            named(name, popup->addAction(QLatin1String(name)));
        auto *toolbar = m_main.addToolBar(QStringLiteral("tbToolBar"));
        for (const char *name : {"tbOpzioni", "tbCut", "tbRecycling"})
            named(name, toolbar->addAction(QIcon(), QString()));
        named("lblParola1", new QLabel(&m_main));
        named("txtParola", new QLineEdit(&m_main));
        named("Frame1", new QGroupBox(&m_options));
        named("ckbSimili", new QCheckBox(&m_options));
        named("Label6", new QLabel(QStringLiteral("versione 3.0"), &m_about));
    }

    void apply(bool aboutExists = true)
    {
        applyCaptions(test::numberedLines(QStringLiteral("line"), FixedLanguageLineCount),
                      [&](CaptionWindow kind) -> QWidget * {
                          if (kind == CaptionWindow::Info)
                              return aboutExists ? &m_about : nullptr;
                          return kind == CaptionWindow::Main ? static_cast<QWidget *>(&m_main) : &m_options;
                      });
    }
    template <typename T>
    static QString shown(const QWidget &window, const char *name, QString (T::*property)() const)
    {
        const T *target = window.findChild<T *>(QLatin1String(name));
        return target ? (target->*property)() : QStringLiteral("<no %1>").arg(QLatin1String(name));
    }
    QString toolbarToolTip(const char *name) const { return shown(m_main, name, &QAction::toolTip); }
    static QString line(int number) { return QStringLiteral("line %1").arg(number); }

    QMainWindow m_main;
    QDialog m_options;
    QDialog m_about;
};

TEST_F(CaptionApplierTest, SetsEachKindOfTargetFromItsLine)
{
    apply();
    EXPECT_EQ(shown(m_main, "menuFile", &QMenu::title), QStringLiteral("&line 1"));
    EXPECT_EQ(shown(m_main, "menuCancella", &QAction::text), line(16));
    EXPECT_EQ(shown(m_main, "lblParola1", &QLabel::text), line(31));
    EXPECT_EQ(shown(m_main, "txtParola", &QWidget::toolTip), line(39));
    EXPECT_EQ(toolbarToolTip("tbOpzioni"), line(47));
    EXPECT_EQ(toolbarToolTip("tbRecycling"), line(55));
    // A toolbar button shows only its picture: the tooltip also names it.
    EXPECT_EQ(shown(m_main, "tbRecycling", &QAction::text), line(55));
    EXPECT_EQ(m_options.windowTitle(), line(25));
    EXPECT_EQ(shown(m_options, "Frame1", &QGroupBox::title), line(26));
    EXPECT_EQ(shown(m_options, "ckbSimili", &QAbstractButton::text), line(27));
    EXPECT_EQ(shown(m_about, "Label6", &QLabel::text), QStringLiteral("line 57 3.1"));
    // The pop-up menus repeat their menu bar captions, a copy of a copy too.
    EXPECT_EQ(shown(m_main, "menuCancella2", &QAction::text), line(16));
    EXPECT_EQ(shown(m_main, "menuCopia3", &QAction::text), line(21));
}

// Markup in a language file once loaded local files (<img src=...>) in a
// caption or a tool tip: texts from files are shown as the characters they are.
TEST_F(CaptionApplierTest, MarkupFromALanguageFileIsShownAsText)
{
    const QString markup = QStringLiteral("<img src=\"/etc/hostname\"><b>bold</b>");
    QStringList lines = test::numberedLines(QStringLiteral("line"), FixedLanguageLineCount);
    lines[38] = markup; // the input box's tool tip
    lines[46] = markup; // a toolbar tool tip
    applyCaptions(lines, [&](CaptionWindow kind) -> QWidget * {
        return kind == CaptionWindow::Main ? static_cast<QWidget *>(&m_main) : nullptr;
    });
    for (const QString &tip : {shown(m_main, "txtParola", &QWidget::toolTip), toolbarToolTip("tbOpzioni")}) {
        EXPECT_FALSE(tip.contains(QStringLiteral("<img"))) << tip.toStdString();
        EXPECT_TRUE(tip.contains(QStringLiteral("&lt;img src="))) << "shown literally, as escaped text";
    }
}

TEST_F(CaptionApplierTest, MissingWindowOnlySkipsItsOwnTexts)
{
    apply(false);
    EXPECT_EQ(shown(m_about, "Label6", &QLabel::text), QStringLiteral("versione 3.0"));
    EXPECT_EQ(shown(m_main, "menuCopia3", &QAction::text), line(21));
}

} // namespace
