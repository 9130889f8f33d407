#include "platform/speaker.h"

#include <QTextToSpeech>
#include <QThread>

#include <optional>

namespace parlora {

TextToSpeechSpeaker::TextToSpeechSpeaker() = default;

TextToSpeechSpeaker::~TextToSpeechSpeaker()
{
    // The starting thread uses this object until it ends.
    if (m_starter)
        m_starter->wait();
}

void TextToSpeechSpeaker::start() const
{
    m_state = State::Starting;
    QThread *windowsThread = m_receiver.thread();
    m_starter = QThread::create([this, windowsThread] {
        // Without any engine plugin there is nothing to start.
        QTextToSpeech *engine = QTextToSpeech::availableEngines().isEmpty() ? nullptr : new QTextToSpeech;
        QList<QLocale> locales;
        if (engine) {
            if (engine->state() != QTextToSpeech::Error)
                locales = engine->availableLocales();
            // Made here, used from now on by the windows' thread.
            engine->moveToThread(windowsThread);
        }
        QMetaObject::invokeMethod(
            &m_receiver, [this, engine, locales] { takeEngine(engine, locales); }, Qt::QueuedConnection);
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
