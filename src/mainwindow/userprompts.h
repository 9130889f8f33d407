#pragma once

#include <QString>

class QWidget;

namespace parlora {

// The message boxes the main window shows. Their texts may come from files
// (language files, file names), so they are always shown as plain text. The window takes them through
// this interface so that tests can answer them instead of waiting for a
// click.
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
};

class MessageBoxPrompts final : public UserPrompts {
public:
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    bool retryAfterFailure(QWidget *parent, const QString &title, const QString &text,
                           const QString &giveUpText) override;
};

} // namespace parlora
