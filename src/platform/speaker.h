#pragma once

#include <QLocale>
#include <QString>

#include <memory>
#include <optional>

class QTextToSpeech;

namespace parlora {

// Reads a text aloud in its own language. The windows ask it through this
// interface, so that tests run without sound.
class Speaker {
public:
    enum class Availability {
        Available,
        NoEngine, // no speech engine is installed or running
        NoVoice,  // an engine, but no voice for the language
    };

    virtual ~Speaker() = default;
    virtual Availability availability(QLocale::Language language) const = 0;
    // Says the text with a voice of the language; nothing when there is none.
    virtual void say(const QString &text, QLocale::Language language) = 0;
};

// The desktop's speech engine through Qt TextToSpeech (speech-dispatcher with
// espeak-ng voices on Debian). The engine is started on the first question,
// not with the program.
class TextToSpeechSpeaker final : public Speaker {
public:
    TextToSpeechSpeaker();
    ~TextToSpeechSpeaker() override;

    Availability availability(QLocale::Language language) const override;
    void say(const QString &text, QLocale::Language language) override;

private:
    QTextToSpeech *engine() const;
    std::optional<QLocale> localeFor(QLocale::Language language) const;

    mutable std::unique_ptr<QTextToSpeech> m_engine;
    mutable bool m_started = false;
};

} // namespace parlora
