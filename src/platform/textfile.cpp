#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace parlora {

namespace {
constexpr char16_t CarriageReturn = u'\r';
constexpr char16_t LineFeed = u'\n';
const char *const CodePage = "windows-1252";
// Large enough that a dictionary takes a few dozen reads.
constexpr qint64 ReadPieceBytes = 1024 * 1024;
const QString UnencodableText = QStringLiteral("some text cannot be stored in the Windows-1252 code page");
} // namespace

FileBytes readDataFile(const QString &path)
{
    FileBytes result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = QStringLiteral("the file does not exist");
        return result;
    }
    // Checked before opening: opening a FIFO for reading blocks until a
    // writer comes, and a device never ends.
    if (!info.isFile()) {
        result.error = QStringLiteral("it is not a regular file");
        return result;
    }
    if (info.size() > MaxDataFileBytes) {
        result.error = QStringLiteral("it is larger than %1 MiB").arg(MaxDataFileBytes / (1024 * 1024));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    // The size may have changed since it was looked at; never read more
    // than the cap, and notice a file that grew past it. Read in pieces:
    // QIODevice::read(n) reserves room for n bytes up front, which made
    // every small file take 128 MiB of address space while it was held.
    result.bytes.reserve(qsizetype(info.size()));
    while (result.bytes.size() <= MaxDataFileBytes) {
        const QByteArray piece = file.read(std::min(ReadPieceBytes, MaxDataFileBytes + 1 - result.bytes.size()));
        if (piece.isEmpty())
            break;
        result.bytes += piece;
    }
    if (result.bytes.size() > MaxDataFileBytes) {
        result.bytes.clear();
        result.error = QStringLiteral("it is larger than %1 MiB").arg(MaxDataFileBytes / (1024 * 1024));
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

TextFileReader::TextFileReader(const QString &path, LineEnds lineEnds) : m_lineEnds(lineEnds)
{
    FileBytes file = readDataFile(path);
    if (!file.ok) {
        m_error = file.error;
        return;
    }
    m_open = true;
    QStringDecoder decoder(CodePage);
    m_text = decoder(file.bytes);
}

TextFileReader::TextFileReader(const QByteArray &bytes, LineEnds lineEnds) : m_lineEnds(lineEnds), m_open(true)
{
    QStringDecoder decoder(CodePage);
    m_text = decoder(bytes);
}

QString TextFileReader::readLine()
{
    return readLineView().toString();
}

QStringView TextFileReader::readLineView()
{
    const qsizetype start = m_position;
    qsizetype end = -1;
    if (m_lineEnds == LineEnds::Any) {
        const auto found = std::find_if(m_text.cbegin() + start, m_text.cend(),
                                        [](QChar c) { return c == CarriageReturn || c == LineFeed; });
        end = found == m_text.cend() ? -1 : found - m_text.cbegin();
    } else {
        end = m_text.indexOf(CarriageReturn, start);
    }
    if (end < 0) {
        m_position = m_text.size();
        return QStringView(m_text).sliced(start);
    }
    m_position = end + 1;
    if (m_text.at(end) == CarriageReturn && m_position < m_text.size() && m_text.at(m_position) == LineFeed)
        ++m_position;
    return QStringView(m_text).sliced(start, end - start);
}

bool canEncodeWindows1252(QStringView text)
{
    // ASCII and the Latin-1 letters are the same in the code page; only the
    // rest needs the converter, which is slow to set up for every word.
    const auto latin1Letter = [](QChar character) {
        return character.unicode() < 0x80 || (character.unicode() >= 0xA0 && character.unicode() <= 0xFF);
    };
    if (std::all_of(text.begin(), text.end(), latin1Letter))
        return true;
    QStringEncoder encoder(CodePage);
    // encode() is lazy: the conversion, and so the error flag, happens only
    // when its result becomes a byte array.
    const QByteArray encoded = encoder.encode(text);
    Q_UNUSED(encoded);
    return !encoder.hasError();
}

std::optional<QByteArray> encodeTextLines(const QStringList &lines)
{
    QStringEncoder encoder(CodePage);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

SaveResult writeTextLines(const QString &path, const QStringList &lines)
{
    const std::optional<QByteArray> bytes = encodeTextLines(lines);
    if (!bytes)
        return SaveResult::failure(UnencodableText);
    return writeFileAtomically(path, *bytes);
}

SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // The user's folders are created on demand, the first time something is
    // saved there.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder))
        return SaveResult::failure(QStringLiteral("the folder %1 could not be created").arg(folder));
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
    return QFileInfo(path).isFile();
}

SaveResult copyFileReplacing(const QString &source, const QString &target)
{
    const FileBytes input = readDataFile(source);
    if (!input.ok)
        return SaveResult::failure(input.error);
    return writeFileAtomically(target, input.bytes);
}

SaveResult removeFile(const QString &path)
{
    QFile file(path);
    if (!file.remove())
        return SaveResult::failure(file.errorString());
    return {};
}

} // namespace parlora
