#pragma once

#include "platform/textfile.h"

#include <QString>

namespace parlora {

// The options the user can change; persisted as one flag byte in parlora.ini.
// Direction true means language 1 -> language 2.
struct Settings {
    bool Direction = false;
    bool SimilarWordSearch = false;
    bool PhrasebookSearch = false;
    // Looking up the base form of an inflected word (parliamo -> parlare).
    bool BaseFormSearch = true;
};

namespace settingsbyte {
inline constexpr quint8 DirectionBit = 1;
inline constexpr quint8 SimilarWordBit = 2;
inline constexpr quint8 ItalianBit = 4;
inline constexpr quint8 PortugueseBit = 8;
inline constexpr quint8 EnglishBit = 16;
inline constexpr quint8 PhrasebookBit = 32;
// Set means base forms are OFF: every file written before the option
// existed, and the first run's byte 11, leave it clear and keep them on.
inline constexpr quint8 BaseFormsOffBit = 64;
// What a newly created file holds: byte 0, then a marker that is never read.
inline constexpr quint8 CreatedFirstByte = 11;
inline constexpr quint8 CreatedMarkerByte = 255;
} // namespace settingsbyte

// What start-up learns from the settings file.
struct StartupSettings {
    Settings settings;
    QString interfaceLanguage; // "Italiano", "Português" or "English"
    bool fileCreated = false;  // the file was missing and has been created
    SaveResult createResult;   // failure to create it, if any
};

// Reads the settings file (parlora.ini); when it is missing, creates it with
// the bytes 11, 255 and returns the first-run state. A missing file with a
// seed (the read-only copy beside an installed program) starts from the
// seed's bytes instead. With createIfMissing false no file is ever created
// (the terminal tool writes no file).
StartupSettings readSettingsFile(const QString &path, bool createIfMissing = true, const QString &seedPath = {});
quint8 composeSettingsByte(const Settings &settings, const QString &interfaceLanguage);
// Rewrites only offset 0 of the file (creating it when it has vanished),
// keeping every byte after it; atomically.
SaveResult writeSettingsByte(const QString &path, quint8 value);

} // namespace parlora
