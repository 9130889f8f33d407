#pragma once

#include "dictionary/personalexchange.h"

#include <QObject>

#include <functional>

class QWidget;

namespace parlora {

class ParloraSession;
class UserPrompts;

// Export and import of the personal dictionary through files a spreadsheet
// or a flash-card program reads: UTF-8 TSV or RFC 4180 CSV, and the
// personal dictionary file of another installation. An import shows what it
// would add, what is there already and which lines it refuses before
// anything changes, and is then one step for Undo.
class ExchangeCommands : public QObject {
    Q_OBJECT
public:
    ExchangeCommands(ParloraSession &session, UserPrompts &prompts, QWidget *window);

    // Shows a short result in the status bar.
    void setStatusDisplay(std::function<void(const QString &)> display);

    void exportDictionary();
    void importDictionary();

    // What an import would do, as the confirmation shows it.
    QString describePlan(const QString &file, const exchange::ImportPlan &plan) const;

signals:
    // Pairs were added to the personal dictionary.
    void imported();

private:
    QString title(int commandMessage) const;
    QString filter(int nameMessage, const char *patterns) const;
    QString refusalText(exchange::Refusal reason) const;

    ParloraSession &m_session;
    UserPrompts &m_prompts;
    QWidget *m_window;
    std::function<void(const QString &)> m_showStatus;
};

} // namespace parlora
