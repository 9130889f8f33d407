#include "localisation/builtinmessages.h"
#include "localisation/captiontable.h"
#include "localisation/languagefile.h"

#include <QFile>
#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

const ApplicationFolder ShippedFolder(QStringLiteral(PARLORA_DIST_DIR));

TEST(ShippedLanguages, AreCompleteCleanWindows1252WithCrLfLineEnds)
{
    for (const char *name : {"Italiano", "Português", "English"}) {
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
        ASSERT_TRUE(contents.ok) << contents.error.toStdString();
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
    for (const CaptionLine &entry : captionTable()) {
        const QString builtIn = QString::fromUtf8(entry.builtIn);
        if (builtIn.isEmpty() || entry.line == 57)
            continue;
        EXPECT_EQ(italian.fixedLines.at(entry.line - 1), builtIn) << "line " << entry.line;
    }
}

} // namespace
