// The settings file: any bytes read as options and an interface language;
// writing the options back changes only the first byte and reads back as
// the same options; a seed file is copied unchanged.

#include "fuzzsupport.h"

#include "dictionary/settings.h"

#include <QFile>

using namespace parlora;

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly), path);
    return file.readAll();
}

bool sameOptions(const StartupSettings &a, const StartupSettings &b)
{
    return a.settings.Direction == b.settings.Direction && a.settings.SimilarWordSearch == b.settings.SimilarWordSearch
        && a.settings.PhrasebookSearch == b.settings.PhrasebookSearch
        && a.settings.BaseFormSearch == b.settings.BaseFormSearch && a.interfaceLanguage == b.interfaceLanguage;
}

QString describe(const StartupSettings &s)
{
    return QStringLiteral("direction %1 similar %2 phrases %3 base forms %4 language %5")
        .arg(s.settings.Direction)
        .arg(s.settings.SimilarWordSearch)
        .arg(s.settings.PhrasebookSearch)
        .arg(s.settings.BaseFormSearch)
        .arg(s.interfaceLanguage);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = fuzz::scratchFolder() + QStringLiteral("/parlora.ini");
    const QString copy = fuzz::scratchFolder() + QStringLiteral("/copied.ini");
    fuzz::writeFile(path, input);
    fuzz::removeFile(copy);

    const StartupSettings read = readSettingsFile(path, false);
    FUZZ_CHECK(!read.fileCreated, QStringLiteral("an existing file is never created anew"));
    FUZZ_CHECK(read.interfaceLanguage == QStringLiteral("Italiano") || read.interfaceLanguage == QStringLiteral("Português")
                   || read.interfaceLanguage == QStringLiteral("English"),
               read.interfaceLanguage);

    // The byte the program writes back means what it read.
    const quint8 byte = composeSettingsByte(read.settings, read.interfaceLanguage);
    FUZZ_CHECK(writeSettingsByte(path, byte).ok, path);
    const QByteArray written = contentsOf(path);
    FUZZ_CHECK(written.size() == std::max<qsizetype>(input.size(), 1),
               QStringLiteral("%1 bytes became %2").arg(input.size()).arg(written.size()));
    FUZZ_CHECK(quint8(written.front()) == byte, QString::number(quint8(written.front())));
    FUZZ_CHECK(written.mid(1) == input.mid(1), QStringLiteral("the bytes after the first changed"));
    const StartupSettings reread = readSettingsFile(path, false);
    FUZZ_CHECK(sameOptions(read, reread), describe(read) + QStringLiteral(" came back as ") + describe(reread));

    // A missing file with a seed starts from the seed and copies it as it is.
    const StartupSettings seeded = readSettingsFile(copy, true, path);
    FUZZ_CHECK(seeded.fileCreated && seeded.createResult.ok, seeded.createResult.error);
    FUZZ_CHECK(sameOptions(seeded, reread), describe(seeded));
    FUZZ_CHECK(contentsOf(copy) == written, QStringLiteral("the seed was not copied unchanged"));
    return 0;
}
