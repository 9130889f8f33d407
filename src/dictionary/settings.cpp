#include "dictionary/settings.h"

#include <QFile>

namespace parlora {

namespace {

const QString Italian = QStringLiteral("Italiano");
const QString Portuguese = QStringLiteral("Português");
const QString English = QStringLiteral("English");

StartupSettings decodeSettingsByte(quint8 value)
{
    StartupSettings state;
    state.settings.Direction = value & settingsbyte::DirectionBit;
    state.settings.SimilarWordSearch = value & settingsbyte::SimilarWordBit;
    state.settings.PhrasebookSearch = value & settingsbyte::PhrasebookBit;
    state.settings.BaseFormSearch = !(value & settingsbyte::BaseFormsOffBit);
    // Italian wins over Portuguese; English is the fallback for everything
    // else, including languages that have no bit of their own.
    if (value & settingsbyte::ItalianBit)
        state.interfaceLanguage = Italian;
    else if (value & settingsbyte::PortugueseBit)
        state.interfaceLanguage = Portuguese;
    else
        state.interfaceLanguage = English;
    return state;
}

// The first run: similar words on, Portuguese interface, direction
// language 2 -> language 1 and phrases off, although the byte written to the
// new file says otherwise; shutdown rewrites that byte from this state.
StartupSettings firstRunSettings()
{
    StartupSettings state;
    state.settings.SimilarWordSearch = true;
    state.interfaceLanguage = Portuguese;
    return state;
}

// The first byte of an existing file; an empty or unreadable one reads as 0.
quint8 firstByte(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray first = file.read(1);
    return first.isEmpty() ? 0 : quint8(first.front());
}

} // namespace

StartupSettings readSettingsFile(const QString &path, bool createIfMissing, const QString &seedPath)
{
    if (FileExists(path))
        return decodeSettingsByte(firstByte(path));
    if (!seedPath.isEmpty() && FileExists(seedPath)) {
        StartupSettings state = decodeSettingsByte(firstByte(seedPath));
        if (createIfMissing) {
            state.createResult = copyFileReplacing(seedPath, path);
            state.fileCreated = state.createResult.ok;
        }
        return state;
    }

    StartupSettings state = firstRunSettings();
    if (createIfMissing) {
        QByteArray created;
        created.append(char(settingsbyte::CreatedFirstByte)).append(char(settingsbyte::CreatedMarkerByte));
        state.createResult = writeFileAtomically(path, created);
        state.fileCreated = state.createResult.ok;
    }
    return state;
}

quint8 composeSettingsByte(const Settings &settings, const QString &interfaceLanguage)
{
    quint8 value = 0;
    if (interfaceLanguage == Italian)
        value |= settingsbyte::ItalianBit;
    else if (interfaceLanguage == Portuguese)
        value |= settingsbyte::PortugueseBit;
    else if (interfaceLanguage == English)
        value |= settingsbyte::EnglishBit;
    if (settings.PhrasebookSearch)
        value |= settingsbyte::PhrasebookBit;
    if (settings.SimilarWordSearch)
        value |= settingsbyte::SimilarWordBit;
    if (settings.Direction)
        value |= settingsbyte::DirectionBit;
    if (!settings.BaseFormSearch)
        value |= settingsbyte::BaseFormsOffBit;
    return value;
}

SaveResult writeSettingsByte(const QString &path, quint8 value)
{
    // The bytes after the first are not ours to change: read them so the
    // atomic rewrite keeps them. A file that vanished is created anew.
    QByteArray bytes;
    if (FileExists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return SaveResult::failure(file.errorString());
        bytes = file.readAll();
    }
    if (bytes.isEmpty())
        bytes.resize(1);
    bytes[0] = char(value);

    return writeFileAtomically(path, bytes);
}

} // namespace parlora
