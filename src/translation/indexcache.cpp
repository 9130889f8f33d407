#include "translation/indexcache.h"

#include "translation/searchindex.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace parlora::indexcache {

namespace {
// Enough of the hash to tell installations apart.
constexpr qsizetype NameHashLength = 16;
} // namespace

QString pathFor(const QString &dictionaryFile)
{
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(QDir().absoluteFilePath(dictionaryFile)).toUtf8(),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(NameHashLength);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/parlora/index-")
        + QString::fromLatin1(hash) + QStringLiteral(".bin");
}

std::unique_ptr<MappedIndexFile> open(const QString &dictionaryFile, const QString &cacheFile)
{
    const std::optional<indexfile::SourceStamp> stamp = indexfile::stampOf(dictionaryFile);
    if (!stamp)
        return nullptr;
    return MappedIndexFile::open(cacheFile, *stamp);
}

SaveResult write(const QString &cacheFile, const QString &dictionaryFile, const indexfile::SourceStamp &stamp,
                 const MainDictionary &dictionary, const SearchIndex &language1, const SearchIndex &language2)
{
    if (indexfile::stampOf(dictionaryFile) != stamp)
        return SaveResult::failure(QStringLiteral("the dictionary changed while it was read"));
    return writeFileAtomically(cacheFile, indexfile::serialize(stamp, dictionary, language1, language2));
}

} // namespace parlora::indexcache
