#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace parlora {

// The message boxes and file dialogs the main window shows. Their texts may
// come from files (language files, file names), so they are always shown as
// plain text. The window takes them through this interface so that tests can
// answer them instead of waiting for a click.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // An exclamation box with one OK button.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // A plain box with one OK button.
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // A failed save: true to try again, false to give up on it (the button
    // that gives up says giveUpText).
    virtual bool retryAfterFailure(QWidget *parent, const QString &title, const QString &text,
                                   const QString &giveUpText) = 0;

    // A question before a change: true when the user chose the button that
    // says acceptText, false for the one that says rejectText or for closing
    // the box. Whoever cannot ask anyone declines.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &acceptText,
                         const QString &rejectText);
    // A file to read, or a file to write (a name typed without an extension
    // gets the chosen filter's first one). Filters are written as "CSV
    // (*.csv)". Empty when the user cancelled, or when there is no one to ask.
    virtual QString fileToOpen(QWidget *parent, const QString &title, const QStringList &filters);
    virtual QString fileToSave(QWidget *parent, const QString &title, const QStringList &filters,
                               const QString &suggestedName);
};

class MessageBoxPrompts final : public UserPrompts {
public:
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    bool retryAfterFailure(QWidget *parent, const QString &title, const QString &text,
                           const QString &giveUpText) override;
    bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &acceptText,
                 const QString &rejectText) override;
    QString fileToOpen(QWidget *parent, const QString &title, const QStringList &filters) override;
    QString fileToSave(QWidget *parent, const QString &title, const QStringList &filters,
                       const QString &suggestedName) override;

private:
    // The folder the last file was chosen in, for the next dialog.
    QString m_folder;
};

// The extension a file name gets from a filter ("CSV (*.csv)" gives "csv"):
// the first pattern's, empty for "*".
QString filterExtension(const QString &filter);

} // namespace parlora
