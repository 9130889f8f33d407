#pragma once

#include "mainwindow/applicationwindows.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "../support/qtprinters.h"

#include <functional>
#include <memory>

namespace parlora::testing {

// Message boxes answered at once and remembered, so the window can be driven
// without anyone clicking OK.
class RecordingPrompts final : public UserPrompts {
public:
    enum class Kind { Warning, Inform, Retry };
    struct Prompt {
        Kind kind;
        QString title;
        QString text;
    };

    void warning(QWidget *, const QString &title, const QString &text) override { add(Kind::Warning, title, text); }
    void inform(QWidget *, const QString &title, const QString &text) override { add(Kind::Inform, title, text); }
    bool retryAfterFailure(QWidget *, const QString &title, const QString &text, const QString &) override
    {
        add(Kind::Retry, title, text);
        return retryAnswer();
    }
    void add(Kind kind, const QString &title, const QString &text) { shown.append({kind, title, text}); }

    QList<Prompt> shown;
    // Asked on every failed save; the default gives up at once.
    std::function<bool()> retryAnswer = [] { return false; };
};

// A temporary application folder with a tiny dictionary, phrasebook and the
// three language files. Every text of a language file says which language
// and line it is ("pt message 14"), so a test can tell what the window shows.
class TestFolder {
public:
    TestFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }
    void writeLines(const QString &relative, const QStringList &lines) const;
    void writeSettings(const QByteArray &bytes) const;
    QByteArray settingsBytes() const;
    QStringList personalDictionaryLines() const;

private:
    QTemporaryDir m_dir;
};

// The text every message line of a test language file holds.
inline QString messageText(const QString &languageCode, int index)
{
    return QStringLiteral("%1 message %2").arg(languageCode).arg(index);
}

// One run of the program on a folder: the session and its windows, shown,
// with the data loaded.
class ParloraRun {
public:
    // The user's files beside the program, as in a build folder.
    explicit ParloraRun(const QString &folder);
    ParloraRun(const QString &folder, const DataLocations &locations);

    MainWindow &window() { return windows->mainWindow(); }
    template <typename T> T *find(const char *name)
    {
        T *found = window().findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction *action(const char *name) { return find<QAction>(name); }
    QLineEdit *field(const char *name) { return find<QLineEdit>(name); }
    QAbstractItemView *list(const char *name) { return find<QAbstractItemView>(name); }
    // The lines a list shows, top to bottom.
    QStringList lines(const char *listName);
    // The row of a list that shows the text, -1 when none does.
    int rowOf(const char *listName, const QString &text);
    void selectRow(const char *listName, int row);
    QStringList selectedLines(const char *listName);

    void trigger(const char *actionName);
    void click(const char *buttonName) { QTest::mouseClick(find<QAbstractButton>(buttonName), Qt::LeftButton); }
    void pressKey(const char *widgetName, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(find<QWidget>(widgetName), Qt::Key(key), modifiers);
    }
    // Gives the field the focus as a click would, replaces its text by typing.
    void typeInto(const char *fieldName, const QString &text);
    // Types the text into the input field and presses Enter.
    void translate(const QString &text)
    {
        typeInto("txtParola", text);
        pressKey("txtParola", Qt::Key_Return);
    }
    void focus(const char *widgetName)
    {
        find<QWidget>(widgetName)->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
    }
    // Fills the personal dictionary's two fields and inserts the pair.
    void insertPersonal(const QString &word, const QString &translation)
    {
        field("txtParolaIta")->setText(word);
        field("txtParolaLin")->setText(translation);
        trigger("menuInserisci");
    }
    QString statusText() { return find<QLabel>("lblStatus")->text(); }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    // Ends the run as the close box does.
    void close()
    {
        window().close();
        QCoreApplication::processEvents();
    }

    RecordingPrompts prompts;
    ParloraSession session;
    std::unique_ptr<ApplicationWindows> windows;
    // What the desktop was asked to open, and whether it can.
    QList<QUrl> opened;
    bool desktopOpensLinks = true;
    int exitCode = -1;
};

// The fixture of tests that drive one run on a fresh test folder.
class WindowTest : public ::testing::Test {
protected:
    TestFolder folder;
    ParloraRun run{folder.path()};
};

} // namespace parlora::testing
