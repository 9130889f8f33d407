#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace parlora {

namespace {
constexpr char16_t CarriageReturn = u'\r';
constexpr char16_t LineFeed = u'\n';
const char *const CodePage = "windows-1252";
} // namespace

TextFileReader::TextFileReader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return;
    }
    m_open = true;
    QStringDecoder decoder(CodePage);
    m_text = decoder(file.readAll());
}

QString TextFileReader::readLine()
{
    const qsizetype start = m_position;
    const qsizetype end = m_text.indexOf(CarriageReturn, start);
    if (end < 0) {
        m_position = m_text.size();
        return m_text.sliced(start);
    }
    m_position = end + 1;
    if (m_position < m_text.size() && m_text.at(m_position) == LineFeed)
        ++m_position;
    return m_text.sliced(start, end - start);
}

bool canEncodeWindows1252(QStringView text)
{
    QStringEncoder encoder(CodePage);
    // encode() is lazy: the conversion, and so the error flag, happens only
    // when its result becomes a byte array.
    const QByteArray encoded = encoder.encode(text);
    Q_UNUSED(encoded);
    return !encoder.hasError();
}

SaveResult writeTextLines(const QString &path, const QStringList &lines)
{
    QStringEncoder encoder(CodePage);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    if (encoder.hasError())
        return SaveResult::failure(QStringLiteral("some text cannot be stored in the Windows-1252 code page"));

    return writeFileAtomically(path, bytes);
}

SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // count: a buffered QSaveFile can lose the tail while flushing at
    // commit() and still report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveResult::failure(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.error() == QFileDevice::NoError ? QStringLiteral("only part of the file could be written (the disk may be full)")
                                                                     : file.errorString();
        file.cancelWriting();
        return SaveResult::failure(reason);
    }
    if (!file.commit())
        return SaveResult::failure(file.errorString());
    return {};
}

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

SaveResult copyFileReplacing(const QString &source, const QString &target)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return SaveResult::failure(input.errorString());
    return writeFileAtomically(target, input.readAll());
}

SaveResult removeFile(const QString &path)
{
    QFile file(path);
    if (!file.remove())
        return SaveResult::failure(file.errorString());
    return {};
}

} // namespace parlora
