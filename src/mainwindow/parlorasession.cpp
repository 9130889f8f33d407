#include "mainwindow/parlorasession.h"

namespace parlora {

ParloraSession::ParloraSession(QString applicationFolder, QString currentFolder_)
    : folder(std::move(applicationFolder)), currentFolder(std::move(currentFolder_))
{
}

LoadResult ParloraSession::loadData(ProgressSink &progress)
{
    // Message 0 is the status text while the main dictionary loads.
    LoadResult result = LoadLanguagePair(folder, currentFolder, languagePair, messages.message(0), data,
                                         personalDictionary, progress);
    if (result.outcome == LoadOutcome::Loaded) {
        personalDictionaryWritable = result.personalDictionaryError.isEmpty();
        m_translator.emplace(data, personalDictionary);
    }
    return result;
}

SaveResult ParloraSession::saveSettings() const
{
    return writeSettingsByte(folder.path(), composeSettingsByte(settings, interfaceLanguage));
}

SaveResult ParloraSession::savePersonalDictionary() const
{
    if (!personalDictionaryWritable || !dataLoaded())
        return {};
    return personalDictionary.SavePersonalDictionary();
}

} // namespace parlora
