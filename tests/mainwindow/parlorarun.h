#pragma once

#include "mainwindow/applicationwindows.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QAction;
class QLineEdit;
class QListWidget;

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

    void warning(QWidget *, const QString &title, const QString &text) override;
    void inform(QWidget *, const QString &title, const QString &text) override;
    bool retryAfterFailure(QWidget *, const QString &title, const QString &text) override;

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
QString messageText(const QString &languageCode, int index);

// One run of the program on a folder: the session and its windows, shown,
// with the data loaded.
class ParloraRun {
public:
    explicit ParloraRun(const QString &folder);
    ~ParloraRun();

    MainWindow &window() { return windows->mainWindow(); }
    template <typename T> T *find(const char *name) { return window().findChild<T *>(QLatin1String(name)); }
    QAction *action(const char *name);
    QLineEdit *field(const char *name);
    QListWidget *list(const char *name);
    QStringList lines(const char *listName);

    void trigger(const char *actionName);
    void click(const char *buttonName);
    // Gives the field the focus as a click would, replaces its text by typing.
    void typeInto(const char *fieldName, const QString &text);
    void pressKey(const char *widgetName, int key);
    void focus(const char *widgetName);
    QString statusText();
    QString clipboard() const;
    // Ends the run as the close box does.
    void close();

    RecordingPrompts prompts;
    ParloraSession session;
    std::unique_ptr<ApplicationWindows> windows;
    QList<QUrl> opened;
    int exitCode = -1;
};

} // namespace parlora::testing
