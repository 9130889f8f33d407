// Language files: any bytes give either a whole language (every caption
// line, then the messages) or nothing at all, and what is read is exactly
// what a plain reading of the lines finds. A language that cannot be used
// leaves the interface in the language it had.

#include "fuzzsupport.h"

#include "localisation/builtinmessages.h"
#include "localisation/interfacelanguage.h"
#include "localisation/languagefile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

using namespace parlora;

namespace {

const QString FuzzedLanguage = QStringLiteral("Fuzzed");
const QString ShippedLanguage = QStringLiteral("English");
// The message index counts with 16 bits in the file format.
constexpr qsizetype MaxMessages = 32767;

// The language file's meaningful lines, read the plain way: a file with a
// byte-order mark, or valid UTF-8 with a byte beyond ASCII, is UTF-8 (the
// mark left out), anything else Windows-1252; CR LF, CR and LF each end a
// line.
QStringList meaningfulLines(const QByteArray &bytes)
{
    // A mark right after the mark is a second mark, not a character.
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    // Stateless: a sequence cut short at the end is an error, not a wait.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(marked ? bytes.sliced(3) : bytes);
    const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char byte) { return byte & 0x80; });
    if (!marked && (utf8.hasError() || !beyondAscii))
        text = QStringDecoder("windows-1252")(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList meaningful;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')) && !line.startsWith(QLatin1Char('\'')))
            meaningful << line;
    }
    return meaningful;
}

const QString &folder()
{
    static const QString path = [] {
        const QString root = fuzz::scratchFolder() + QStringLiteral("/language");
        QDir().mkpath(root + QStringLiteral("/lang"));
        const QString shipped = QStringLiteral(PARLORA_DIST "/lang/") + ShippedLanguage + QStringLiteral(".lng");
        QFile::remove(root + QStringLiteral("/lang/") + ShippedLanguage + QStringLiteral(".lng"));
        FUZZ_CHECK(QFile::copy(shipped, root + QStringLiteral("/lang/") + ShippedLanguage + QStringLiteral(".lng")),
                   shipped);
        return root;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ApplicationFolder application(folder());
    fuzz::writeFile(application.languageFile(FuzzedLanguage), bytes);

    const LanguageFileContents contents = readLanguageFile(application, FuzzedLanguage);
    const QStringList lines = meaningfulLines(bytes);
    if (lines.size() < FixedLanguageLineCount) {
        FUZZ_CHECK(!contents.ok && contents.problem != LanguageFileProblem::None,
                   QStringLiteral("%1 lines").arg(lines.size()));
        FUZZ_CHECK(contents.fixedLines.isEmpty() && contents.messages.isEmpty(), QStringLiteral("half a language"));
    } else {
        FUZZ_CHECK(contents.ok, contents.detail);
        FUZZ_CHECK(contents.fixedLines == lines.first(FixedLanguageLineCount), fuzz::shown(contents.fixedLines));
        const QStringList messages = lines.sliced(FixedLanguageLineCount);
        FUZZ_CHECK(contents.messages == messages.first(std::min<qsizetype>(messages.size(), MaxMessages)),
                   fuzz::shown(contents.messages) + QStringLiteral(" instead of ") + fuzz::shown(messages));
    }

    // Switching: all or nothing, and every message the program reads has a
    // text whatever the file held.
    InterfaceLanguage language(application);
    QStringList applied;
    language.setCaptionApplier([&](const QStringList &fixedLines) { applied = fixedLines; });
    FUZZ_CHECK(language.SetInterfaceLanguage(ShippedLanguage), language.lastError());
    const QStringList shippedCaptions = applied;
    const QStringList shippedMessages = language.messages().all();

    const bool switched = language.SetInterfaceLanguage(FuzzedLanguage);
    FUZZ_CHECK(switched == contents.ok, language.lastError());
    if (switched) {
        FUZZ_CHECK(language.GetInterfaceLanguage() == FuzzedLanguage, language.GetInterfaceLanguage());
        FUZZ_CHECK(applied == contents.fixedLines, fuzz::shown(applied));
        const QStringList expected = contents.messages.isEmpty() ? shippedMessages : contents.messages;
        FUZZ_CHECK(language.messages().all() == expected, fuzz::shown(language.messages().all()));
    } else {
        FUZZ_CHECK(language.GetInterfaceLanguage() == ShippedLanguage, language.GetInterfaceLanguage());
        FUZZ_CHECK(applied == shippedCaptions && language.fixedLines() == shippedCaptions,
                   QStringLiteral("captions changed by a refused file"));
        FUZZ_CHECK(language.messages().all() == shippedMessages, QStringLiteral("messages changed by a refused file"));
    }
    for (int index = 0; index < UsedMessageCount; ++index)
        FUZZ_CHECK(!language.messages().message(index).isEmpty(), QStringLiteral("message %1 is empty").arg(index));
    return 0;
}
