#include "localisation/rememberedlanguage.h"

#include "dictionary/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace parlora {

namespace {
// A language name is a file name; anything longer is not one of ours.
constexpr qsizetype MaxNameBytes = 1024;
} // namespace

QString rememberedLanguageFile(const QString &settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(RememberedLanguageFileName);
}

QString readRememberedLanguage(const QString &path)
{
    if (!FileExists(path))
        return {};
    const FileBytes file = readDataFile(path);
    if (!file.ok || file.bytes.size() > MaxNameBytes)
        return {};
    const QString text = QString::fromUtf8(file.bytes);
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? text : text.left(end);
}

SaveResult rememberLanguage(const QString &path, const QString &name)
{
    return writeFileAtomically(path, name.toUtf8() + '\n');
}

bool settingsByteNamesLanguage(quint8 settingsByte)
{
    using namespace settingsbyte;
    return (settingsByte & (ItalianBit | PortugueseBit | EnglishBit)) != 0;
}

} // namespace parlora
