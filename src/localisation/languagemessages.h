#pragma once

#include <QString>
#include <QStringList>

namespace parlora {

// The numbered message table of the current interface language (status
// texts, warnings, not-found lines). A missing index reads as an empty text,
// never as a failure.
class LanguageMessages {
public:
    LanguageMessages() = default;
    explicit LanguageMessages(QStringList messages) : m_messages(std::move(messages)) {}

    QString message(int index) const { return m_messages.value(index); }
    int count() const { return int(m_messages.size()); }
    const QStringList &all() const { return m_messages; }

private:
    QStringList m_messages;
};

} // namespace parlora
