#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QTextToSpeech;
class QThread;

namespace parlora {

// Reads a text aloud in its own language. The windows ask it through this
// interface, so that tests run without sound.
class Speaker {
public:
    enum class Availability {
        Available,
        NoEngine, // no speech engine is installed or running
        NoVoice,  // an engine, but no voice for the language
        Starting, // the engine is being asked for its voices
    };

    virtual ~Speaker() = default;
    virtual Availability availability(QLocale::Language language) const = 0;
    // Says the text with a voice of the language; nothing when there is none.
    virtual void say(const QString &text, QLocale::Language language) = 0;

    // Called, in the windows' thread, when availability() may answer
    // differently: once the engine has started.
    void setAvailabilityListener(std::function<void()> listener) { m_listener = std::move(listener); }

protected:
    void availabilityChanged() const
    {
        if (m_listener)
            m_listener();
    }

private:
    std::function<void()> m_listener;
};

// The desktop's speech engine through Qt TextToSpeech (speech-dispatcher with
// espeak-ng voices on Debian). The engine is started on the first question,
// not with the program, and in a thread of its own: speech-dispatcher takes
// seconds to list espeak-ng's voices, which would freeze the windows. Until
// it has answered, availability() says Starting.
class TextToSpeechSpeaker final : public Speaker {
public:
    TextToSpeechSpeaker();
    ~TextToSpeechSpeaker() override;

    Availability availability(QLocale::Language language) const override;
    void say(const QString &text, QLocale::Language language) override;

private:
    enum class State { NotStarted, Starting, Ready, NoEngine };
    void start() const;
    void takeEngine(QTextToSpeech *engine, const QList<QLocale> &locales) const;
    std::optional<QLocale> localeFor(QLocale::Language language) const;

    mutable State m_state = State::NotStarted;
    mutable std::unique_ptr<QTextToSpeech> m_engine;
    mutable QList<QLocale> m_locales;
    struct Handoff;
    mutable std::shared_ptr<Handoff> m_handoff;
    mutable QPointer<QThread> m_starter;
    // Receives the started engine in the windows' thread.
    mutable QObject m_receiver;
};

} // namespace parlora
