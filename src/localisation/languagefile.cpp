#include "localisation/languagefile.h"

namespace parlora {

namespace {
constexpr QChar CommentMark = u'#';
constexpr QChar OldCommentMark = u'\'';
// The message index counts with 16 bits in the file format; a longer
// message section is not a language file any more.
constexpr int MaxMessageCount = 32767;
} // namespace

bool isMeaningfulLanguageLine(QStringView line)
{
    if (line.isEmpty())
        return false;
    const QChar first = line.front();
    return first != CommentMark && first != OldCommentMark;
}

QString ReadLanguageLine(TextFileReader &file)
{
    while (!file.atEnd()) {
        QString line = file.readLine();
        if (isMeaningfulLanguageLine(line))
            return line;
    }
    return {};
}

LanguageFileContents readLanguageFile(const QString &path)
{
    LanguageFileContents contents;
    if (!FileExists(path)) {
        contents.error = QStringLiteral("The language file %1 does not exist.").arg(path);
        return contents;
    }
    TextFileReader file(path);
    if (!file.isOpen()) {
        contents.error = QStringLiteral("The language file %1 cannot be read.").arg(path);
        return contents;
    }

    contents.fixedLines.reserve(FixedLanguageLineCount);
    while (contents.fixedLines.size() < FixedLanguageLineCount) {
        QString line = ReadLanguageLine(file);
        if (line.isEmpty()) {
            contents.error = QStringLiteral("The language file %1 ends after %2 of its %3 caption lines.")
                                 .arg(path)
                                 .arg(contents.fixedLines.size())
                                 .arg(FixedLanguageLineCount);
            contents.fixedLines.clear();
            return contents;
        }
        contents.fixedLines.append(std::move(line));
    }

    // Comment lines after the last message end the section quietly.
    while (contents.messages.size() < MaxMessageCount) {
        QString line = ReadLanguageLine(file);
        if (line.isEmpty())
            break;
        contents.messages.append(std::move(line));
    }
    contents.ok = true;
    return contents;
}

LanguageFileContents readLanguageFile(const ApplicationFolder &folder, const QString &languageName)
{
    // A typed name with a slash would reach a file outside the lang folder,
    // which then could never be offered again nor remembered.
    if (languageName.contains(QLatin1Char('/'))) {
        LanguageFileContents contents;
        contents.error = QStringLiteral("\"%1\" is not a language name.").arg(languageName);
        return contents;
    }
    return readLanguageFile(folder.languageFile(languageName));
}

} // namespace parlora
