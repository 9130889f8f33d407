#include "mainwindow/parlorasession.h"

#include "localisation/builtinmessages.h"
#include "localisation/rememberedlanguage.h"

namespace parlora {

ParloraSession::ParloraSession(QString applicationFolder, QString currentFolder_, DataLocations locations_)
    : folder(std::move(applicationFolder)), currentFolder(std::move(currentFolder_)),
      locations(std::move(locations_)),
      baseForms(folder.dataFile(languagePair.Language1FormsFile), folder.dataFile(languagePair.Language2FormsFile)),
      interfaceLanguage(folder)
{
}

LoadResult ParloraSession::loadData(ProgressSink &progress)
{
    // Message 0 is the status text while the main dictionary loads.
    LoadResult result = LoadLanguagePair(folder, currentFolder, languagePair, locations,
                                         message(Message::LoadingDictionary), data, personalDictionary, progress);
    if (result.outcome == LoadOutcome::Loaded) {
        m_translator.emplace(data, personalDictionary, &baseForms);
        // The search forms of both directions and the base forms (Hunspell's
        // Portuguese dictionary takes a few hundred milliseconds) are made
        // while the user types the first word, so that the first Enter is as
        // quick as the later ones.
        m_translator->PrepareInBackground(settings);
    }
    return result;
}

SaveResult ParloraSession::saveSettings()
{
    const QString language = interfaceLanguage.GetInterfaceLanguage();
    const quint8 value = composeSettingsByte(settings, language);
    if (m_savedSettingsByte != value || !FileExists(locations.settingsFile)) {
        const SaveResult written = writeSettingsByte(locations.settingsFile, value);
        if (!written)
            return written;
        m_savedSettingsByte = value;
    }
    // A language the byte cannot name is remembered by name beside it.
    if (settingsByteNamesLanguage(value) || m_rememberedLanguage == language)
        return {};
    const SaveResult remembered = rememberLanguage(rememberedLanguageFile(locations.settingsFile), language);
    if (remembered)
        m_rememberedLanguage = language;
    return remembered;
}

SaveResult ParloraSession::savePersonalDictionary()
{
    // Before loading there is nothing of the user's in memory; an unchanged
    // store is on disk already.
    if (!dataLoaded() || !personalDictionary.isModified())
        return {};
    return personalDictionary.SavePersonalDictionary();
}

} // namespace parlora
