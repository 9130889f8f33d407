#include "mainwindow/speakcommand.h"

#include "localisation/builtinmessages.h"
#include "mainwindow/parlorasession.h"
#include "platform/speaker.h"
#include "words/searchstate.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>

namespace parlora {

namespace {

// The pair's first language is Italian, its second Portuguese.
constexpr QLocale::Language Language1 = QLocale::Italian;
constexpr QLocale::Language Language2 = QLocale::Portuguese;

QString selectedLine(const QAbstractItemView *list)
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.constFirst().data().toString();
}

// A translation line reads "word --> translation" (or, found through a base
// form, "query » word --> translation"): its target part follows the arrow.
QString targetPart(const QString &line)
{
    const qsizetype arrow = line.indexOf(words::MatchSeparator);
    return arrow < 0 ? line : line.sliced(arrow + words::MatchSeparator.size());
}

} // namespace

SpeakCommand::SpeakCommand(ParloraSession &session, Speaker &speaker, const SpeakTargets &targets, QWidget *window)
    : QObject(window), m_session(session), m_speaker(speaker), m_targets(targets), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == m_window)
            update();
    });
    for (QAbstractItemView *list : {targets.translations, targets.similarWords})
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SpeakCommand::update);
    m_speaker.setAvailabilityListener([this] { update(); });
}

SpeakCommand::~SpeakCommand()
{
    m_speaker.setAvailabilityListener({});
}

void SpeakCommand::setActions(QList<QAction *> actions)
{
    m_actions = std::move(actions);
    for (QAction *action : std::as_const(m_actions))
        connect(action, &QAction::triggered, this, &SpeakCommand::speak);
}

SpeechRequest SpeakCommand::request() const
{
    const bool forward = m_session.settings.Direction;
    const QLocale::Language source = forward ? Language1 : Language2;
    const QLocale::Language target = forward ? Language2 : Language1;
    const QWidget *focused = m_window->focusWidget();
    if (focused == m_targets.translations) {
        const QString line = selectedLine(m_targets.translations);
        if (!line.isEmpty())
            return {targetPart(line).trimmed(), target};
    } else if (focused == m_targets.similarWords) {
        const QString word = selectedLine(m_targets.similarWords);
        if (!word.isEmpty())
            return {word.trimmed(), source};
    }
    return {m_targets.input->text().trimmed(), source};
}

void SpeakCommand::speak()
{
    const SpeechRequest wanted = request();
    // The engine may have gone since the actions were last updated.
    if (wanted.text.isEmpty() || m_speaker.availability(wanted.language) != Speaker::Availability::Available)
        return;
    m_speaker.say(wanted.text, wanted.language);
}

QString SpeakCommand::unavailableReason(QLocale::Language language) const
{
    switch (m_speaker.availability(language)) {
    case Speaker::Availability::Available: return {};
    // Off for the moment it takes, without a reason to give.
    case Speaker::Availability::Starting: return m_session.message(Message::SpeakHint);
    case Speaker::Availability::NoEngine: return m_session.message(Message::SpeechEngineMissing);
    case Speaker::Availability::NoVoice: break;
    }
    const LanguagePair &pair = m_session.languagePair;
    return m_session.message(Message::SpeechVoiceMissing)
        .arg(language == Language1 ? pair.Language1Name : pair.Language2Name);
}

void SpeakCommand::update()
{
    // The engine is started by the first question, which waits for the
    // dictionaries: it must never delay the window's start.
    const bool loaded = m_session.dataLoaded();
    const QLocale::Language language = request().language;
    const bool available = loaded && m_speaker.availability(language) == Speaker::Availability::Available;
    const QString reason = loaded ? unavailableReason(language) : QString();
    const QString toolTip = reason.isEmpty() ? m_session.message(Message::SpeakHint) : reason;
    for (QAction *action : std::as_const(m_actions)) {
        action->setEnabled(available);
        action->setToolTip(toolTip);
    }
}

} // namespace parlora
