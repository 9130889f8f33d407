#pragma once

#include "dictionary/languagepair.h"
#include "dictionary/languagepairloader.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/settings.h"
#include "localisation/interfacelanguage.h"
#include "morphology/baseforms.h"
#include "platform/applicationfolder.h"
#include "platform/datalocations.h"
#include "translation/translate.h"

#include <QString>

#include <optional>

namespace parlora {

// Which text field last had the focus; the keypad types into it.
enum class LastTextField { None = 0, Word = 1, PersonalWord = 2, PersonalTranslation = 3 };

// Everything one run of the program shares, created once in main (or by a
// test on a temporary folder) and handed by reference to the windows. Nothing
// here is global: two sessions in one process do not see each other.
class ParloraSession {
public:
    ParloraSession(QString applicationFolder, QString currentFolder, DataLocations locations);
    ParloraSession(const ParloraSession &) = delete;
    ParloraSession &operator=(const ParloraSession &) = delete;

    ApplicationFolder folder;
    // Where the oldest installations left their personal dictionary.
    QString currentFolder;
    // Where the user's files are read and written.
    DataLocations locations;
    LanguagePair languagePair;
    Settings settings;
    DictionaryData data;
    PersonalDictionary personalDictionary;
    // The base forms of both languages, read when first needed.
    morphology::PairBaseForms baseForms;
    // The interface language's name, captions and message table.
    InterfaceLanguage interfaceLanguage;
    LastTextField lastTextField = LastTextField::None;

    // Loads the pair's files once and builds the translator over them.
    LoadResult loadData(ProgressSink &progress);
    bool dataLoaded() const { return m_translator.has_value(); }
    // Only valid after loadData.
    const Translator &translator() const { return *m_translator; }

    // The writes of the user's files, each reporting its own failure so the
    // window can say so instead of losing the user's words. Nothing is
    // written that is on disk already.
    SaveResult saveSettings();
    SaveResult savePersonalDictionary();

    const LanguageMessages &messages() const { return interfaceLanguage.messages(); }
    QString message(int index) const { return messages().message(index); }

private:
    // Built after loading because it may precompute search forms.
    std::optional<Translator> m_translator;
    std::optional<quint8> m_savedSettingsByte;
    QString m_rememberedLanguage;
};

} // namespace parlora
