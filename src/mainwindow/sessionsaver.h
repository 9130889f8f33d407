#pragma once

#include "platform/textfile.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace parlora {

class ParloraSession;

// Keeps the user's files on disk as they change, so that no way of ending
// the program (logging out, a signal, a lost display, a crash) loses more
// than the last moment's edits: the personal dictionary and the search
// history are saved shortly after every change, a burst of changes
// coalescing into one save; the settings byte is written whenever an option
// changes.
class SessionSaver : public QObject {
    Q_OBJECT
public:
    // Long enough to gather a burst of edits (an undo held down), short
    // enough that a word is on disk within a second.
    static constexpr std::chrono::milliseconds SaveDelay{300};

    explicit SessionSaver(ParloraSession &session, QObject *parent = nullptr);
    ~SessionSaver() override;

    // A failed save in the background: file and reason. The first failure
    // is told; later ones only once a save has worked again in between.
    using FailureReporter = std::function<void(const QString &file, const QString &reason)>;
    void setFailureReporter(FailureReporter reporter);

    // The personal dictionary changed: save it soon.
    void personalDictionaryChanged();
    // A lookup was added to the search history, or it was cleared: save it
    // soon. Its failures are not reported: it is only a list of queries.
    void searchHistoryChanged();
    // An option changed: write the settings byte now.
    void settingsChanged();
    bool savePending() const { return m_timer.isActive(); }

    // Saves what is not on disk yet, now, without asking anyone (the end of
    // the session, a signal). True when everything is on disk.
    bool saveEverythingNow();

    // The single saves, for the window's own retry at the end.
    SaveResult savePersonalDictionary();
    SaveResult saveSettings();
    SaveResult saveSearchHistory();

signals:
    // A save merged in pairs another program had written: the entries shown
    // are out of date.
    void personalEntriesMerged();

private:
    void saveInBackground();
    void report(bool &reported, const SaveResult &result, const QString &file);

    ParloraSession &m_session;
    QTimer m_timer;
    FailureReporter m_reporter;
    bool m_personalFailureReported = false;
    bool m_settingsFailureReported = false;
};

} // namespace parlora
