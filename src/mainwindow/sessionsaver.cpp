#include "mainwindow/sessionsaver.h"

#include "mainwindow/parlorasession.h"

namespace parlora {

SessionSaver::SessionSaver(ParloraSession &session, QObject *parent) : QObject(parent), m_session(session)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(SaveDelay);
    connect(&m_timer, &QTimer::timeout, this, &SessionSaver::saveInBackground);
    m_session.personalDictionary.setChangeListener([this] { personalDictionaryChanged(); });
}

SessionSaver::~SessionSaver()
{
    m_session.personalDictionary.setChangeListener({});
}

void SessionSaver::setFailureReporter(FailureReporter reporter)
{
    m_reporter = std::move(reporter);
}

void SessionSaver::personalDictionaryChanged()
{
    // Not restarted by later changes: a steady stream of edits still
    // reaches the disk every SaveDelay.
    if (!m_timer.isActive())
        m_timer.start();
}

void SessionSaver::searchHistoryChanged()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void SessionSaver::settingsChanged()
{
    report(m_settingsFailureReported, saveSettings(), m_session.locations.settingsFile);
}

bool SessionSaver::saveEverythingNow()
{
    m_timer.stop();
    const bool settingsSaved = bool(saveSettings());
    const bool historySaved = bool(saveSearchHistory());
    return bool(savePersonalDictionary()) && settingsSaved && historySaved;
}

SaveResult SessionSaver::savePersonalDictionary()
{
    m_timer.stop();
    const quint64 before = m_session.personalDictionary.revision();
    const SaveResult saved = m_session.savePersonalDictionary();
    if (m_session.personalDictionary.revision() != before)
        emit personalEntriesMerged();
    return saved;
}

SaveResult SessionSaver::saveSettings()
{
    return m_session.saveSettings();
}

SaveResult SessionSaver::saveSearchHistory()
{
    return m_session.saveSearchHistory();
}

void SessionSaver::saveInBackground()
{
    (void)saveSearchHistory();
    report(m_personalFailureReported, savePersonalDictionary(), m_session.locations.personalDictionaryFile);
}

void SessionSaver::report(bool &reported, const SaveResult &result, const QString &file)
{
    if (result) {
        reported = false;
        return;
    }
    // The words stay in memory and the next change or the end tries again;
    // telling the user once is enough for them to act.
    if (reported)
        return;
    reported = true;
    if (m_reporter)
        m_reporter(file, result.error);
}

} // namespace parlora
