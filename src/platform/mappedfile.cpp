#include "platform/mappedfile.h"

#include <QFile>

#include <sys/stat.h>

namespace parlora {

std::optional<SourceStamp> sourceStampOf(const QString &file)
{
    struct stat status {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    constexpr qint64 NanosecondsPerSecond = 1000000000;
    return SourceStamp{qint64(status.st_size), qint64(status.st_mtim.tv_sec) * NanosecondsPerSecond + status.st_mtim.tv_nsec};
}

} // namespace parlora
