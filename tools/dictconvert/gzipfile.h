#pragma once

#include <QByteArray>
#include <QString>

namespace parlora::dictconvert {

struct GzipReadResult {
    QByteArray data;
    QString error; // empty on success
};

// Reads a whole gzip file. A dictzip file is a gzip file with an extra
// random-access table in its header, so plain gzip reading decodes it; an
// uncompressed file is passed through unchanged.
GzipReadResult readGzipFile(const QString &path);

} // namespace parlora::dictconvert
