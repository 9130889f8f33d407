#include "localisation/builtinmessages.h"
#include "localisation/captiontable.h"
#include "localisation/languagefile.h"

#include <QFile>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include "qtprinters.h"

using namespace parlora;

namespace {

const ApplicationFolder ShippedFolder(QStringLiteral(PARLORA_DIST_DIR));
const char *const ShippedLanguages[] = {"Italiano", "Português", "English"};

TEST(ShippedLanguages, AreCompleteCleanWindows1252WithCrLfLineEnds)
{
    for (const char *name : ShippedLanguages) {
        SCOPED_TRACE(name);
        QFile file(ShippedFolder.languageFile(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray bytes = file.readAll();
        QStringDecoder decoder("windows-1252");
        const QString text = decoder(bytes);
        EXPECT_FALSE(decoder.hasError() || text.contains(QChar::ReplacementCharacter));
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\r') + bytes.count('\n'), 2 * bytes.count("\r\n")) << "a lone CR or LF";

        const LanguageFileContents contents = readLanguageFile(ShippedFolder, QString::fromUtf8(name));
        ASSERT_TRUE(contents.ok);
        EXPECT_EQ(contents.messages.size(), UsedMessageCount);
        for (const QString &line : contents.fixedLines + contents.messages)
            EXPECT_EQ(line, line.trimmed()) << "stray spaces in: " << line.toStdString();
    }
}

// The windows and the message table start in Italian; the Italian file must
// say the same, or switching to it would change texts the user already saw.
TEST(ShippedItalian, MatchesTheBuiltInTexts)
{
    const LanguageFileContents italian = readLanguageFile(ShippedFolder, QStringLiteral("Italiano"));
    ASSERT_TRUE(italian.ok);
    EXPECT_EQ(italian.messages, builtInMessages());
    EXPECT_EQ(italian.fixedLines, builtInCaptionLines());
}

// The access key of a caption ("&Copia" is C), or 0 when it has none.
QChar accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1).toLower();
        ++i;
    }
    return {};
}

// Every menu and menu item can be reached from the keyboard, and within one
// menu (or among the menu bar and the field headings, which all answer to
// Alt) no two share a key.
TEST(ShippedLanguages, GiveEveryMenuItemItsOwnAccessKey)
{
    using Group = std::pair<const char *, QList<int>>;
    // Caption lines by number, messages as negative numbers.
    const QList<Group> groups{
        {"menu bar and headings", {1, 5, 9, 10, 14, 17, 31, 32, 33, 34}},
        {"File", {2, 3, 4}},
        {"Edit", {6, 7, 8}},
        {"Translation", {-Message::SwapDirectionCommand, -Message::NewSearchCommand}},
        {"Tools", {11, 12, 13}},
        {"Dictionary", {15, 16, 23, 22}},
        {"?", {18, 19}},
        {"similar-word pop-up", {21, 24}},
        {"options window", {26, 27, 28, 30, -Message::BaseFormOption}},
    };
    for (const char *name : ShippedLanguages) {
        SCOPED_TRACE(name);
        const LanguageFileContents file = readLanguageFile(ShippedFolder, QString::fromUtf8(name));
        ASSERT_TRUE(file.ok);
        for (const auto &[groupName, members] : groups) {
            SCOPED_TRACE(groupName);
            // The direction items name the languages: I and P.
            QList<QChar> taken = qstrcmp(groupName, "Translation") == 0 ? QList<QChar>{u'i', u'p'} : QList<QChar>{};
            for (const int member : members) {
                const QString caption = member > 0 ? captionText(captionTable()[member - 1], file.fixedLines.at(member - 1))
                                                   : file.messages.at(-member);
                const QChar key = accessKey(caption);
                EXPECT_FALSE(key.isNull()) << caption.toStdString() << " has no access key";
                EXPECT_FALSE(taken.contains(key)) << caption.toStdString() << " repeats a key";
                taken << key;
            }
        }
    }
}

} // namespace
