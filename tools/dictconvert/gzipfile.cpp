#include "gzipfile.h"

#include <QFile>

#include <zlib.h>

namespace parlora::dictconvert {

namespace {

constexpr unsigned ReadChunkBytes = 1u << 16;

} // namespace

GzipReadResult readGzipFile(const QString &path)
{
    GzipReadResult result;
    gzFile file = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        result.error = QStringLiteral("cannot open %1").arg(path);
        return result;
    }
    QByteArray chunk(ReadChunkBytes, Qt::Uninitialized);
    for (;;) {
        const int count = gzread(file, chunk.data(), ReadChunkBytes);
        if (count < 0) {
            int code = Z_OK;
            result.error = QStringLiteral("%1 is not a readable gzip file: %2")
                               .arg(path, QString::fromLocal8Bit(gzerror(file, &code)));
            result.data.clear();
            break;
        }
        if (count == 0) {
            // gzread reports a stream cut short only through gzerror.
            int code = Z_OK;
            const char *message = gzerror(file, &code);
            if (code != Z_OK) {
                result.error = QStringLiteral("%1 is damaged: %2").arg(path, QString::fromLocal8Bit(message));
                result.data.clear();
            }
            break;
        }
        result.data.append(chunk.constData(), count);
    }
    gzclose(file);
    return result;
}

} // namespace parlora::dictconvert
