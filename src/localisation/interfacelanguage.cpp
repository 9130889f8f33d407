#include "localisation/interfacelanguage.h"

#include "localisation/languagefile.h"

namespace parlora {

InterfaceLanguage::InterfaceLanguage(ApplicationFolder folder)
    : m_folder(std::move(folder))
{
}

bool InterfaceLanguage::SetInterfaceLanguage(const QString &name)
{
    LanguageFileContents contents = readLanguageFile(m_folder, name);
    if (!contents.ok) {
        m_lastError = contents.error;
        return false;
    }
    m_lastError.clear();
    m_name = name;
    m_fixedLines = std::move(contents.fixedLines);
    m_messages.replaceWith(contents.messages);
    reapplyCaptions();
    return true;
}

void InterfaceLanguage::reapplyCaptions() const
{
    if (m_applyCaptions && !m_fixedLines.isEmpty())
        m_applyCaptions(m_fixedLines);
}

} // namespace parlora
