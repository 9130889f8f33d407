#pragma once

#include <QString>
#include <QStringList>

namespace parlora {

// The numbered message table of the current interface language (status
// texts, warnings, not-found lines).
//
// The table holds the messages of the last language file that had any. The
// program reads indices below UsedMessageCount; a file with fewer messages
// than that must not leave holes, so each of those indices falls back to the
// text it showed before the switch (the previous language's, or the built-in
// one). Any other missing index reads as an empty text, never a failure.
class LanguageMessages {
public:
    LanguageMessages() = default;
    explicit LanguageMessages(QStringList messages) : m_messages(std::move(messages)) {}

    // The table before any language file: empty, but every index the program
    // reads answers with its built-in text.
    static LanguageMessages builtIn();

    QString message(int index) const;
    // The entries read from the language file (not the fallbacks).
    int count() const { return int(m_messages.size()); }
    const QStringList &all() const { return m_messages; }

    // Takes a new language file's messages. An empty list keeps the current
    // table, because a file without a message section has nothing to say.
    void replaceWith(const QStringList &messages);

private:
    QStringList m_messages;
    // Texts for the indices the program reads, used where m_messages ends.
    QStringList m_fallback;
};

} // namespace parlora
