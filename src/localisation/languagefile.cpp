#include "localisation/languagefile.h"

#include "platform/textfile.h"

#include <QDir>
#include <QStringDecoder>

#include <algorithm>

namespace parlora {

namespace {
constexpr QChar CommentMark = u'#';
constexpr QChar OldCommentMark = u'\'';
// The message index counts with 16 bits in the file format; a longer
// message section is not a language file any more.
constexpr int MaxMessageCount = 32767;
const QByteArray Utf8ByteOrderMark("\xef\xbb\xbf");
const QString LanguageFolder = QStringLiteral("lang");
const QString LanguageExtension = QStringLiteral(".lng");

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char byte) { return (static_cast<unsigned char>(byte) & 0x80) == 0; });
}

LanguageFileContents refused(const QString &path, LanguageFileProblem problem, QString detail = {})
{
    LanguageFileContents contents;
    contents.path = path;
    contents.problem = problem;
    contents.detail = std::move(detail);
    return contents;
}

} // namespace

bool isMeaningfulLanguageLine(QStringView line)
{
    if (line.isEmpty())
        return false;
    const QChar first = line.front();
    return first != CommentMark && first != OldCommentMark;
}

QString decodeLanguageFileText(const QByteArray &bytes)
{
    if (bytes.startsWith(Utf8ByteOrderMark))
        return QString::fromUtf8(bytes.sliced(Utf8ByteOrderMark.size()));
    if (!isAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    QStringDecoder windows1252("windows-1252");
    return windows1252(bytes);
}

QStringList splitLanguageFileLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start).toString());
    return lines;
}

LanguageFileContents readLanguageFile(const QString &path)
{
    if (!FileExists(path))
        return refused(path, LanguageFileProblem::Missing);
    const FileBytes file = readDataFile(path);
    if (!file.ok)
        return refused(path, LanguageFileProblem::Unreadable, file.error);

    LanguageFileContents contents;
    contents.path = path;
    const QStringList lines = splitLanguageFileLines(decodeLanguageFileText(file.bytes));
    for (const QString &line : lines) {
        if (!isMeaningfulLanguageLine(line))
            continue;
        if (contents.fixedLines.size() < FixedLanguageLineCount)
            contents.fixedLines.append(line);
        else if (contents.messages.size() < MaxMessageCount)
            contents.messages.append(line);
        else
            break;
    }
    if (contents.fixedLines.size() < FixedLanguageLineCount)
        return refused(path, LanguageFileProblem::TooFewCaptions, QString::number(contents.fixedLines.size()));
    contents.ok = true;
    return contents;
}

LanguageFileContents readLanguageFile(const ApplicationFolder &folder, const QString &languageName)
{
    // A typed name with a slash would reach a file outside the lang folder,
    // which then could never be offered again nor remembered.
    if (languageName.contains(QLatin1Char('/')) || languageName.contains(QLatin1Char('\\')))
        return refused(languageName, LanguageFileProblem::NotALanguageName);
    return readLanguageFile(folder.languageFile(languageName));
}

QStringList usableLanguageNames(const ApplicationFolder &folder)
{
    QStringList names;
    const QStringList files = QDir(folder.file(LanguageFolder)).entryList(QDir::Files, QDir::Name);
    for (const QString &file : files) {
        if (!file.endsWith(LanguageExtension, Qt::CaseSensitive))
            continue;
        const QString name = file.chopped(LanguageExtension.size());
        // A file that could not be applied would only end in an error.
        if (readLanguageFile(folder, name).ok)
            names.append(name);
    }
    return names;
}

} // namespace parlora
