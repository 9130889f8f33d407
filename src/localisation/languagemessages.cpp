#include "localisation/languagemessages.h"

#include "localisation/builtinmessages.h"

namespace parlora {

LanguageMessages LanguageMessages::builtIn()
{
    LanguageMessages table;
    table.m_fallback = builtInMessages();
    return table;
}

QString LanguageMessages::message(int index) const
{
    if (index >= 0 && index < m_messages.size())
        return m_messages.at(index);
    return m_fallback.value(index);
}

void LanguageMessages::replaceWith(const QStringList &messages)
{
    if (messages.isEmpty())
        return;
    QStringList fallback;
    fallback.reserve(UsedMessageCount);
    for (int index = 0; index < UsedMessageCount; ++index)
        fallback.append(message(index));
    m_messages = messages;
    m_fallback = std::move(fallback);
}

} // namespace parlora
