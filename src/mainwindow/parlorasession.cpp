#include "mainwindow/parlorasession.h"

#include "localisation/builtinmessages.h"

namespace parlora {

ParloraSession::ParloraSession(QString applicationFolder, QString currentFolder_)
    : folder(std::move(applicationFolder)), currentFolder(std::move(currentFolder_)), interfaceLanguage(folder)
{
}

LoadResult ParloraSession::loadData(ProgressSink &progress)
{
    // Message 0 is the status text while the main dictionary loads.
    LoadResult result = LoadLanguagePair(folder, currentFolder, languagePair, message(Message::LoadingDictionary), data,
                                         personalDictionary, progress);
    if (result.outcome == LoadOutcome::Loaded) {
        // A file that exists but cannot be read must not be replaced at exit
        // by the empty store; one that could not be created holds nothing.
        personalDictionaryWritable = result.personalDictionaryError.isEmpty()
            || !FileExists(folder.dataFile(languagePair.PersonalDictionaryFile));
        m_translator.emplace(data, personalDictionary);
    }
    return result;
}

SaveResult ParloraSession::saveSettings() const
{
    return writeSettingsByte(folder.path(), composeSettingsByte(settings, interfaceLanguage.GetInterfaceLanguage()));
}

SaveResult ParloraSession::savePersonalDictionary() const
{
    if (!personalDictionaryWritable || !dataLoaded())
        return {};
    return personalDictionary.SavePersonalDictionary();
}

} // namespace parlora
