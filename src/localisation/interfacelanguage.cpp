#include "localisation/interfacelanguage.h"

#include "localisation/builtinmessages.h"

#include <QDir>

namespace parlora {

InterfaceLanguage::InterfaceLanguage(ApplicationFolder folder)
    : m_folder(std::move(folder))
{
}

bool InterfaceLanguage::SetInterfaceLanguage(const QString &name)
{
    LanguageFileContents contents = readLanguageFile(m_folder, name);
    if (!contents.ok) {
        m_lastRefusal = std::move(contents);
        return false;
    }
    m_lastRefusal = {};
    m_name = name;
    m_fixedLines = std::move(contents.fixedLines);
    m_messages.replaceWith(contents.messages);
    reapplyCaptions();
    return true;
}

QString InterfaceLanguage::failureText(const QString &name) const
{
    const QString file = QDir::toNativeSeparators(m_lastRefusal.path);
    QString reason;
    switch (m_lastRefusal.problem) {
    case LanguageFileProblem::NotALanguageName:
        reason = m_messages.message(Message::LanguageNameNotAllowed);
        break;
    case LanguageFileProblem::Unreadable:
        reason = m_messages.message(Message::LanguageFileUnreadable).arg(file, m_lastRefusal.detail);
        break;
    case LanguageFileProblem::TooFewCaptions:
        reason = m_messages.message(Message::LanguageFileTooShort)
                     .arg(file, m_lastRefusal.detail, QString::number(FixedLanguageLineCount));
        break;
    case LanguageFileProblem::None:
    case LanguageFileProblem::Missing:
        reason = m_messages.message(Message::LanguageFileMissing).arg(file);
        break;
    }
    return m_messages.message(Message::LanguageSwitchFailed).arg(name, reason);
}

QString InterfaceLanguage::lastError() const
{
    const QString file = QDir::toNativeSeparators(m_lastRefusal.path);
    switch (m_lastRefusal.problem) {
    case LanguageFileProblem::None: return {};
    case LanguageFileProblem::NotALanguageName:
        return QStringLiteral("\"%1\" is not a language name").arg(m_lastRefusal.path);
    case LanguageFileProblem::Missing: return QStringLiteral("the file %1 does not exist").arg(file);
    case LanguageFileProblem::Unreadable:
        return QStringLiteral("the file %1 cannot be read (%2)").arg(file, m_lastRefusal.detail);
    case LanguageFileProblem::TooFewCaptions:
        return QStringLiteral("the file %1 has only %2 of its %3 caption lines")
            .arg(file, m_lastRefusal.detail, QString::number(FixedLanguageLineCount));
    }
    return {};
}

void InterfaceLanguage::reapplyCaptions() const
{
    if (m_applyCaptions && !m_fixedLines.isEmpty())
        m_applyCaptions(m_fixedLines);
}

} // namespace parlora
