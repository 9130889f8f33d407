// The update check's version body: whatever a server (or a proxy's error
// page) sends, the announced version is taken from the first line only,
// and is plain numbers that read back as themselves.

#include "fuzzsupport.h"

#include "platform/versionfile.h"

using namespace parlora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QVersionNumber> version = announcedVersion(body);

    const qsizetype lineEnd = [&] {
        for (qsizetype i = 0; i < body.size(); ++i) {
            if (body.at(i) == '\r' || body.at(i) == '\n')
                return i;
        }
        return body.size();
    }();
    // Only the first line counts: whatever follows it changes nothing.
    const std::optional<QVersionNumber> firstLineOnly = announcedVersion(body.left(lineEnd));
    FUZZ_CHECK(version == firstLineOnly, QString::fromLatin1(body.left(80)));
    if (lineEnd < body.size()) {
        const QByteArray otherTail = body.left(lineEnd + 1) + QByteArrayLiteral("9.9.9\r\n<html>");
        FUZZ_CHECK(announcedVersion(otherTail) == version, QString::fromLatin1(body.left(80)));
    }
    if (!version)
        return 0;

    FUZZ_CHECK(!version->isNull(), QString::fromLatin1(body.left(80)));
    // The text of the version reads back as the same version, and the first
    // line held nothing but it (and spaces around it).
    const QString text = version->toString();
    FUZZ_CHECK(QVersionNumber::fromString(text) == *version, text);
    const QByteArray firstLine = body.left(lineEnd);
    for (const char c : firstLine)
        FUZZ_CHECK((c >= '0' && c <= '9') || c == '.' || QChar::isSpace(uchar(c)),
                   QStringLiteral("announced %1 from %2").arg(text, QString::fromLatin1(firstLine.left(80))));
    for (const int part : version->segments())
        FUZZ_CHECK(part >= 0, text);

    return 0;
}
