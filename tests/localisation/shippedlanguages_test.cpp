#include "localisation/builtinmessages.h"
#include "localisation/captiontable.h"
#include "localisation/languagefile.h"

#include <QFile>
#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

const ApplicationFolder ShippedFolder(QStringLiteral(PARLORA_DIST_DIR));

class ShippedLanguageTest : public testing::TestWithParam<const char *> {
protected:
    QString name() const { return QString::fromUtf8(GetParam()); }
};

TEST_P(ShippedLanguageTest, IsCleanWindows1252WithCrLfLineEnds)
{
    QFile file(ShippedFolder.languageFile(name()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray bytes = file.readAll();

    QStringDecoder decoder("windows-1252");
    const QString text = decoder(bytes);
    EXPECT_FALSE(decoder.hasError());
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
}

TEST_P(ShippedLanguageTest, HasEveryCaptionAndEveryMessage)
{
    const LanguageFileContents contents = readLanguageFile(ShippedFolder, name());
    ASSERT_TRUE(contents.ok) << contents.error.toStdString();
    EXPECT_EQ(contents.fixedLines.size(), FixedLanguageLineCount);
    EXPECT_EQ(contents.messages.size(), UsedMessageCount);
    for (const QString &line : contents.fixedLines + contents.messages)
        EXPECT_EQ(line, line.trimmed()) << "stray spaces in: " << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest, testing::Values("Italiano", "Português", "English"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return QString::fromUtf8(info.param).normalized(QString::NormalizationForm_KD).toLatin1()
                                 .replace('?', "").toStdString();
                         });

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
