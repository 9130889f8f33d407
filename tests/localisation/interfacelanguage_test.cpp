#include "languagetestfiles.h"

#include "localisation/builtinmessages.h"
#include "localisation/interfacelanguage.h"
#include "localisation/languagefile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

class InterfaceLanguageTest : public testing::Test {
protected:
    InterfaceLanguageTest() { m_language.setCaptionApplier([this](const QStringList &lines) { m_applied.append(lines); }); }

    // A language whose captions and messages carry its name.
    void writeLanguage(const QString &name, int messageCount, int captionCount = FixedLanguageLineCount)
    {
        test::writeLanguageFile(m_dir.filePath(QStringLiteral("lang/%1.lng").arg(name)),
                                test::numberedLines(name + QStringLiteral(" caption"), captionCount)
                                    + test::numberedLines(name + QStringLiteral(" message"), messageCount));
    }
    static QString messageOf(const QString &name, int index) { return QStringLiteral("%1 message %2").arg(name).arg(index + 1); }

    QTemporaryDir m_dir;
    InterfaceLanguage m_language{ApplicationFolder(m_dir.path())};
    QList<QStringList> m_applied;
};

TEST_F(InterfaceLanguageTest, SwitchAppliesCaptionsAndMessages)
{
    writeLanguage(QStringLiteral("Alfa"), UsedMessageCount);
    writeLanguage(QStringLiteral("Muto"), 0);

    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Alfa")));
    EXPECT_EQ(m_applied, QList<QStringList>{test::numberedLines(QStringLiteral("Alfa caption"), FixedLanguageLineCount)});
    EXPECT_EQ(m_language.messages().message(22), messageOf(QStringLiteral("Alfa"), 22));
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Muto")));
    EXPECT_EQ(m_language.GetInterfaceLanguage(), QStringLiteral("Muto"));
    EXPECT_EQ(m_applied.last().first(), QStringLiteral("Muto caption 1")) << "captions change without messages too";
}

// Each row switches through languages with so many messages, in order. The
// messages the program reads then answer from the newest file that had them,
// else built in; an index past every table reads as empty.
TEST_F(InterfaceLanguageTest, MessagesComeFromTheNewestFileThatHadThem)
{
    const char *const BuiltIn = "built in";
    const struct {
        const char *name;
        QList<std::pair<const char *, int>> switches;
        int count;
        QList<std::pair<int, const char *>> sources; // index, language
    } rows[] = {
        {"NoLanguageYet", {}, 0, {{21, BuiltIn}}},
        {"FewerMessagesLeaveExactlyThatMany", {{"Lungo", UsedMessageCount + 9}, {"Breve", UsedMessageCount}}, UsedMessageCount, {{0, "Breve"}, {UsedMessageCount + 4, ""}}},
        {"ShortTableKeepsPreviousTexts", {{"Intero", 23}, {"Cinque", 5}, {"Due", 2}}, 2, {{1, "Due"}, {4, "Cinque"}, {21, "Intero"}}},
        {"ShortFirstTableFallsBackToBuiltIn", {{"Uno", 1}}, 1, {{0, "Uno"}, {21, BuiltIn}}},
        {"FileWithoutMessagesKeepsPreviousOnes", {{"Alfa", 23}, {"Muto", 0}}, 23, {{5, "Alfa"}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        InterfaceLanguage language{ApplicationFolder(m_dir.path())};
        for (const auto &[name, count] : row.switches) {
            writeLanguage(QLatin1String(name), count);
            ASSERT_TRUE(language.SetInterfaceLanguage(QLatin1String(name)));
        }
        EXPECT_EQ(language.messages().count(), row.count);
        for (const auto &[index, source] : row.sources) {
            const QString expected = source == BuiltIn ? builtInMessages().at(index)
                                     : *source       ? messageOf(QLatin1String(source), index)
                                                     : QString();
            EXPECT_EQ(language.messages().message(index), expected) << "message " << index;
        }
    }
}

TEST_F(InterfaceLanguageTest, UnusableLanguageChangesNothing)
{
    writeLanguage(QStringLiteral("Alfa"), UsedMessageCount);
    writeLanguage(QStringLiteral("Tronco"), 0, 40);
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Alfa")));

    for (const char *name : {"Assente", "Tronco", "alfa", "", "../lang/Alfa"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(m_language.SetInterfaceLanguage(QLatin1String(name)));
        EXPECT_NE(m_language.lastRefusal().problem, LanguageFileProblem::None);
        EXPECT_EQ(m_language.GetInterfaceLanguage(), QStringLiteral("Alfa"));
        EXPECT_EQ(m_applied.size(), 1) << "no caption may change";
        EXPECT_EQ(m_language.fixedLines().first(), QStringLiteral("Alfa caption 1"));
        EXPECT_EQ(m_language.messages().message(0), messageOf(QStringLiteral("Alfa"), 0));
    }
}

// The reason is told in the language the user is reading, which is still
// the one before the failed switch.
TEST_F(InterfaceLanguageTest, AFailureIsToldInTheCurrentLanguageWithItsReason)
{
    QStringList messages = test::numberedLines(QStringLiteral("Alfa message"), UsedMessageCount);
    messages[Message::LanguageSwitchFailed] = QStringLiteral("Alfa cannot switch to %1: %2");
    messages[Message::LanguageFileTooShort] = QStringLiteral("%1 has %2 of %3");
    test::writeLanguageFile(m_dir.filePath(QStringLiteral("lang/Alfa.lng")),
                            test::numberedLines(QStringLiteral("Alfa caption"), FixedLanguageLineCount) + messages);
    writeLanguage(QStringLiteral("Tronco"), 0, 40);
    ASSERT_TRUE(m_language.SetInterfaceLanguage(QStringLiteral("Alfa")));

    ASSERT_FALSE(m_language.SetInterfaceLanguage(QStringLiteral("Tronco")));
    EXPECT_EQ(m_language.failureText(QStringLiteral("Tronco")),
              QStringLiteral("Alfa cannot switch to Tronco: %1 has 40 of 57")
                  .arg(QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("lang/Tronco.lng")))));
}

} // namespace
