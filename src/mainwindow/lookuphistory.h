#pragma once

#include "dictionary/searchhistory.h"

#include <QObject>

class QAction;
class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace parlora {

class ParloraSession;

// The search history at the input field: the queries looked up before
// (newest first, each with the language it was searched in) are offered as
// completions while the user types, and all of them in a drop-down on
// Alt+Down; Back and Forward step through this run's lookups like a
// browser. Choosing a query looks it up again in its own direction.
class LookupHistory : public QObject {
    Q_OBJECT
public:
    LookupHistory(ParloraSession &session, QLineEdit *input, QObject *parent = nullptr);

    void setActions(QAction *back, QAction *forward, QAction *clear);
    QCompleter *completer() const { return m_completer; }

    // A translation ran: it goes to the front of the history and onto the
    // trail.
    void record(const Lookup &lookup);
    // Fills the completions from the session's history (after loading).
    void refill();
    // The queries that start like the input's text (all of them when the
    // text is empty or wholly selected), below the input field.
    void showDropDown();
    void goBack();
    void goForward();
    // Forgets the history and the trail; the file is emptied soon after.
    void clear();
    // The name a screen reader gives the drop-down.
    void setListName(const QString &name);

signals:
    // A query to look up again: chosen from the list (recordIt) or reached
    // by Back or Forward (not recorded, so the trail stays as it is).
    void lookUpRequested(const Lookup &lookup, bool recordIt);
    // The history changed and should be saved.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(const Lookup &lookup);
    // Back (false) or forward (true) through the trail, when there is a
    // lookup that way.
    void step(bool forward);
    void updateTrailActions();

    ParloraSession &m_session;
    QLineEdit *m_input;
    QStandardItemModel *m_model;
    QCompleter *m_completer;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
};

} // namespace parlora
