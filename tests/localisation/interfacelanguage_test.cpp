#include "languagetestfiles.h"

#include "localisation/builtinmessages.h"
#include "localisation/interfacelanguage.h"
#include "localisation/languagefile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

class InterfaceLanguageTest : public testing::Test {
protected:
    InterfaceLanguageTest() : m_language(ApplicationFolder(m_dir.path()))
    {
        m_language.setCaptionApplier([this](const QStringList &lines) { m_applied.append(lines); });
    }

    // A language whose captions and messages carry its name.
    void writeLanguage(const QString &name, int messageCount, int captionCount = FixedLanguageLineCount)
    {
        test::writeLanguageFile(m_dir.filePath(QStringLiteral("lang/%1.lng").arg(name)),
                                test::numberedLines(name + QStringLiteral(" caption"), captionCount)
                                    + test::numberedLines(name + QStringLiteral(" message"), messageCount));
    }
    static QString messageOf(const QString &name, int index)
    {
        return QStringLiteral("%1 message %2").arg(name).arg(index + 1);
    }

    QTemporaryDir m_dir;
    InterfaceLanguage m_language;
    QList<QStringList> m_applied;
};

TEST_F(InterfaceLanguageTest, SwitchAppliesCaptionsAndMessages)
{
    writeLanguage(QStringLiteral("Alfa"), UsedMessageCount);

    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Alfa")));
    EXPECT_EQ(m_language.GetInterfaceLanguage(), QStringLiteral("Alfa"));
    ASSERT_EQ(m_applied.size(), 1);
    EXPECT_EQ(m_applied.first(), test::numberedLines(QStringLiteral("Alfa caption"), FixedLanguageLineCount));
    EXPECT_EQ(m_language.messages().count(), UsedMessageCount);
    EXPECT_EQ(m_language.messages().message(22), messageOf(QStringLiteral("Alfa"), 22));
}

TEST_F(InterfaceLanguageTest, FewerMessagesThanBeforeLeaveExactlyThatMany)
{
    writeLanguage(QStringLiteral("Lungo"), 30);
    writeLanguage(QStringLiteral("Breve"), UsedMessageCount);
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Lungo")));
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Breve")));

    EXPECT_EQ(m_language.messages().count(), UsedMessageCount);
    EXPECT_EQ(m_language.messages().message(0), messageOf(QStringLiteral("Breve"), 0));
    EXPECT_EQ(m_language.messages().message(25), QString()) << "the longer file's extra messages must go";
}

TEST_F(InterfaceLanguageTest, UsedMessagesMissingFromAShortTableKeepTheirPreviousText)
{
    writeLanguage(QStringLiteral("Intero"), UsedMessageCount);
    writeLanguage(QStringLiteral("Cinque"), 5);
    writeLanguage(QStringLiteral("Due"), 2);
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Intero")));
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Cinque")));
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Due")));

    const LanguageMessages &messages = m_language.messages();
    EXPECT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.message(1), messageOf(QStringLiteral("Due"), 1));
    EXPECT_EQ(messages.message(4), messageOf(QStringLiteral("Cinque"), 4));
    EXPECT_EQ(messages.message(21), messageOf(QStringLiteral("Intero"), 21));
}

TEST_F(InterfaceLanguageTest, ShortFirstTableFallsBackToBuiltInTexts)
{
    EXPECT_EQ(m_language.messages().message(21), builtInMessages().at(21)) << "before any language";
    writeLanguage(QStringLiteral("Uno"), 1);
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Uno")));

    EXPECT_EQ(m_language.messages().message(0), messageOf(QStringLiteral("Uno"), 0));
    EXPECT_EQ(m_language.messages().message(21), builtInMessages().at(21));
}

TEST_F(InterfaceLanguageTest, FileWithoutMessagesKeepsThePreviousOnes)
{
    writeLanguage(QStringLiteral("Alfa"), UsedMessageCount);
    writeLanguage(QStringLiteral("Muto"), 0);
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Alfa")));
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Muto")));

    EXPECT_EQ(m_language.GetInterfaceLanguage(), QStringLiteral("Muto"));
    EXPECT_EQ(m_applied.last().first(), QStringLiteral("Muto caption 1"));
    EXPECT_EQ(m_language.messages().count(), UsedMessageCount);
    EXPECT_EQ(m_language.messages().message(5), messageOf(QStringLiteral("Alfa"), 5));
}

TEST_F(InterfaceLanguageTest, UnusableLanguageChangesNothing)
{
    writeLanguage(QStringLiteral("Alfa"), UsedMessageCount);
    writeLanguage(QStringLiteral("Tronco"), 0, 40);
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Alfa")));

    for (const char *name : {"Assente", "Tronco", "alfa", "", "../lang/Alfa"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(m_language.SetInterfaceLanguage(QLatin1String(name)));
        EXPECT_FALSE(m_language.lastError().isEmpty());
        EXPECT_EQ(m_language.GetInterfaceLanguage(), QStringLiteral("Alfa"));
        EXPECT_EQ(m_applied.size(), 1) << "no caption may change";
        EXPECT_EQ(m_language.fixedLines().first(), QStringLiteral("Alfa caption 1"));
        EXPECT_EQ(m_language.messages().message(0), messageOf(QStringLiteral("Alfa"), 0));
    }
}

} // namespace
