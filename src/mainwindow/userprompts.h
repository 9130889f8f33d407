#pragma once

#include <QString>

class QWidget;

namespace parlora {

// The message boxes the main window shows. The window takes them through
// this interface so that tests can answer them instead of waiting for a
// click.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // An exclamation box with one OK button.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // A plain box with one OK button.
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // A failed save: true to try again, false to give up on it.
    virtual bool retryAfterFailure(QWidget *parent, const QString &title, const QString &text) = 0;
};

class MessageBoxPrompts final : public UserPrompts {
public:
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    bool retryAfterFailure(QWidget *parent, const QString &title, const QString &text) override;
};

} // namespace parlora
