#include "platform/speaker.h"

#include <QTextToSpeech>
#include <QThread>

#include <mutex>
#include <optional>

namespace parlora {

TextToSpeechSpeaker::TextToSpeechSpeaker() = default;

// What the starting thread shares with the speaker: where to hand the
// engine, or nothing once the speaker is gone.
struct TextToSpeechSpeaker::Handoff {
    std::mutex lock;
    QObject *receiver = nullptr;
};

TextToSpeechSpeaker::~TextToSpeechSpeaker()
{
    // Never wait for the speech service: a program ending in its first
    // seconds, or with a service that does not answer, would hang. A start
    // still under way finds nobody to hand its engine to and drops it.
    if (m_handoff) {
        const std::lock_guard lock(m_handoff->lock);
        m_handoff->receiver = nullptr;
    }
}

void TextToSpeechSpeaker::start() const
{
    m_state = State::Starting;
    QThread *windowsThread = m_receiver.thread();
    m_handoff = std::make_shared<Handoff>();
    m_handoff->receiver = &m_receiver;
    // The thread reaches the speaker only through the handoff; the call it
    // posts runs only while the receiver, and so the speaker, lives.
    m_starter = QThread::create([this, handoff = m_handoff, windowsThread] {
        // Without any engine plugin there is nothing to start.
        QTextToSpeech *engine = QTextToSpeech::availableEngines().isEmpty() ? nullptr : new QTextToSpeech;
        QList<QLocale> locales;
        if (engine && engine->state() != QTextToSpeech::Error)
            locales = engine->availableLocales();
        const std::lock_guard lock(handoff->lock);
        if (!handoff->receiver) {
            delete engine;
            return;
        }
        // Made here, used from now on by the windows' thread.
        if (engine)
            engine->moveToThread(windowsThread);
        QMetaObject::invokeMethod(
            handoff->receiver, [this, engine, locales] { takeEngine(engine, locales); }, Qt::QueuedConnection);
    });
    QObject::connect(m_starter, &QThread::finished, m_starter, &QObject::deleteLater);
    m_starter->start();
}

void TextToSpeechSpeaker::takeEngine(QTextToSpeech *engine, const QList<QLocale> &locales) const
{
    m_engine.reset(engine);
    m_locales = locales;
    m_state = engine && engine->state() != QTextToSpeech::Error ? State::Ready : State::NoEngine;
    availabilityChanged();
}

std::optional<QLocale> TextToSpeechSpeaker::localeFor(QLocale::Language language) const
{
    // Brazilian Portuguese first: the dictionary and the phrasebook are.
    std::optional<QLocale> found;
    for (const QLocale &locale : m_locales) {
        if (locale.language() != language)
            continue;
        if (!found || locale.territory() == QLocale::Brazil || locale.territory() == QLocale::Italy)
            found = locale;
    }
    return found;
}

Speaker::Availability TextToSpeechSpeaker::availability(QLocale::Language language) const
{
    switch (m_state) {
    case State::NotStarted: start(); return Availability::Starting;
    case State::Starting: return Availability::Starting;
    case State::NoEngine: return Availability::NoEngine;
    case State::Ready: break;
    }
    // The engine may have failed since it started (the service ended).
    if (m_engine->state() == QTextToSpeech::Error)
        return Availability::NoEngine;
    return localeFor(language) ? Availability::Available : Availability::NoVoice;
}

void TextToSpeechSpeaker::say(const QString &text, QLocale::Language language)
{
    if (availability(language) != Availability::Available || text.trimmed().isEmpty())
        return;
    m_engine->setLocale(*localeFor(language));
    m_engine->say(text);
}

} // namespace parlora
