#pragma once

#include "localisation/languagefile.h"
#include "localisation/languagemessages.h"
#include "platform/applicationfolder.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace parlora {

// The interface language of the running program: its name, the captions of
// its language file and its message table. One instance lives for the whole
// run, owned by the application object.
//
// A switch is all or nothing: the file is read completely before anything
// changes, and a file that is missing, unreadable or short of its caption
// lines leaves the name, the captions and the messages as they were. So the
// interface is never left half in one language and half in another, and
// every message the program reads always has a text.
class InterfaceLanguage {
public:
    // Receives the fixed lines of a language file, in line order, and puts
    // them on the windows. Kept as a callback so that this class needs no
    // windows and can run in the terminal tool and in tests.
    using CaptionApplier = std::function<void(const QStringList &fixedLines)>;

    explicit InterfaceLanguage(ApplicationFolder folder);

    void setCaptionApplier(CaptionApplier applier) { m_applyCaptions = std::move(applier); }

    // False, with nothing changed, when the language cannot be applied;
    // lastRefusal() then says why, and failureText() says it to the user.
    bool SetInterfaceLanguage(const QString &name);
    QString GetInterfaceLanguage() const { return m_name; }
    const LanguageFileContents &lastRefusal() const { return m_lastRefusal; }
    // Why the last switch, to the given name, failed, in the current
    // language (which is still the one before the switch).
    QString failureText(const QString &name) const;
    // The same reason in English, for the terminal tool.
    QString lastError() const;

    const LanguageMessages &messages() const { return m_messages; }
    // The captions of the current language; empty before the first switch.
    const QStringList &fixedLines() const { return m_fixedLines; }
    // Puts the current captions on the windows again, for a window that was
    // created after the last switch and should not show its built-in texts.
    void reapplyCaptions() const;

private:
    ApplicationFolder m_folder;
    CaptionApplier m_applyCaptions;
    QString m_name;
    LanguageFileContents m_lastRefusal;
    QStringList m_fixedLines;
    LanguageMessages m_messages = LanguageMessages::builtIn();
};

} // namespace parlora
