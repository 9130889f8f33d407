#include "platform/speaker.h"

#include <QTextToSpeech>

#include <optional>

namespace parlora {

TextToSpeechSpeaker::TextToSpeechSpeaker() = default;
TextToSpeechSpeaker::~TextToSpeechSpeaker() = default;

QTextToSpeech *TextToSpeechSpeaker::engine() const
{
    if (!m_started) {
        m_started = true;
        // Without any engine plugin there is nothing to start.
        if (!QTextToSpeech::availableEngines().isEmpty())
            m_engine = std::make_unique<QTextToSpeech>();
    }
    if (!m_engine || m_engine->state() == QTextToSpeech::Error)
        return nullptr;
    return m_engine.get();
}

std::optional<QLocale> TextToSpeechSpeaker::localeFor(QLocale::Language language) const
{
    QTextToSpeech *speech = engine();
    if (!speech)
        return std::nullopt;
    // Brazilian Portuguese first: the dictionary and the phrasebook are.
    std::optional<QLocale> found;
    for (const QLocale &locale : speech->availableLocales()) {
        if (locale.language() != language)
            continue;
        if (!found || locale.territory() == QLocale::Brazil || locale.territory() == QLocale::Italy)
            found = locale;
    }
    return found;
}

Speaker::Availability TextToSpeechSpeaker::availability(QLocale::Language language) const
{
    if (!engine())
        return Availability::NoEngine;
    return localeFor(language) ? Availability::Available : Availability::NoVoice;
}

void TextToSpeechSpeaker::say(const QString &text, QLocale::Language language)
{
    const std::optional<QLocale> locale = localeFor(language);
    if (!locale || text.trimmed().isEmpty())
        return;
    m_engine->setLocale(*locale);
    m_engine->say(text);
}

} // namespace parlora
