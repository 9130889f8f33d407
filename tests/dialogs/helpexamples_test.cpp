#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString DistFolder = QStringLiteral(PARLORA_DIST_DIR);
// Each page shows at least this many worked examples; fewer means some lost
// their marks and are no longer checked.
constexpr int MinimumExamplesPerPage = 10;

// An example of a help page: what it looks up with parlora-lookup and what
// the output must or must not contain.
struct Example {
    QString page;
    QStringList arguments;
    QString shows;
    QString lacks;
    bool needsBaseForms = false;
};

QString unescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// The examples are marked up as <code class="example" data-lookup="ARGS"
// data-shows="TEXT" data-lacks="TEXT" data-needs="base forms">.
QList<Example> examplesOf(const QString &page)
{
    QFile file(page);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression tag(QStringLiteral(R"re(<\w+\s+class="example"((?:\s+[\w-]+="[^"]*")*)\s*>)re"));
    static const QRegularExpression attribute(QStringLiteral(R"re(([\w-]+)="([^"]*)")re"));
    QList<Example> examples;
    for (const QRegularExpressionMatch &found : tag.globalMatch(html)) {
        Example example;
        example.page = QFileInfo(page).fileName();
        for (const QRegularExpressionMatch &pair : attribute.globalMatch(found.captured(1))) {
            const QString name = pair.captured(1), value = unescaped(pair.captured(2));
            if (name == QLatin1String("data-lookup"))
                example.arguments = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            else if (name == QLatin1String("data-shows"))
                example.shows = value;
            else if (name == QLatin1String("data-lacks"))
                example.lacks = value;
            else if (name == QLatin1String("data-needs"))
                example.needsBaseForms = value == QLatin1String("base forms");
        }
        examples.append(example);
    }
    return examples;
}

// The shipped data in a folder of its own, so that no user's files beside a
// build can change what the lookups find.
class ShippedData {
public:
    ShippedData()
    {
        for (const QString &folder : {QStringLiteral("dic"), QStringLiteral("lang")}) {
            QDir().mkpath(m_dir.filePath(folder));
            QDirIterator files(DistFolder + QLatin1Char('/') + folder, QDir::Files);
            while (files.hasNext()) {
                files.next();
                QFile::copy(files.filePath(), m_dir.filePath(folder + QLatin1Char('/') + files.fileName()));
            }
        }
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

QString lookUp(const QString &dataFolder, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PARLORA_LOOKUP_PATH),
                  QStringList{QStringLiteral("--data"), dataFolder, QStringLiteral("--lang"), QStringLiteral("English")}
                      + arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The help once promised that "perche" finds "perché" and gave similar-word
// examples the program never found. Every worked example must be true of the
// shipped program and its data.
TEST(HelpExamples, AreTrueOfTheShippedProgram)
{
    const ShippedData data;
    QList<Example> baseFormExamples;
    int failedBaseForms = 0;
    for (const QString &name : {QStringLiteral("help.htm"), QStringLiteral("helppt.htm"), QStringLiteral("helpen.htm")}) {
        const QList<Example> examples = examplesOf(DistFolder + QStringLiteral("/help/") + name);
        EXPECT_GE(examples.size(), MinimumExamplesPerPage) << name.toStdString();
        for (const Example &example : examples) {
            const std::string trace = (example.page + QLatin1String(": ") + example.arguments.join(u' ')).toStdString();
            SCOPED_TRACE(trace);
            ASSERT_FALSE(example.arguments.isEmpty());
            ASSERT_FALSE(example.shows.isEmpty() && example.lacks.isEmpty()) << "an example that checks nothing";
            const QString output = lookUp(data.path(), example.arguments);
            const bool holds = (example.shows.isEmpty() || output.contains(example.shows))
                && (example.lacks.isEmpty() || !output.contains(example.lacks));
            if (example.needsBaseForms) {
                baseFormExamples << example;
                failedBaseForms += holds ? 0 : 1;
                continue;
            }
            EXPECT_TRUE(holds) << output.toStdString();
        }
    }
    // Base forms come with the morphology of the core; until the program
    // finds any, their examples wait for it, but once it finds one, all of
    // them must hold.
    EXPECT_FALSE(baseFormExamples.isEmpty());
    if (failedBaseForms == baseFormExamples.size())
        GTEST_SKIP() << "the program does not look up base forms yet; " << failedBaseForms << " examples wait for it";
    EXPECT_EQ(failedBaseForms, 0);
}

// The option that turns similar words off really does: no list, not even
// an empty one, whatever the word.
TEST(HelpExamples, NoSimilarSuppressesSimilarWords)
{
    const ShippedData data;
    for (const char *word : {"telefonno", "gatto", "ca"}) {
        SCOPED_TRACE(word);
        const QStringList base{QStringLiteral("--from"), QStringLiteral("it"), QStringLiteral("--no-phrases")};
        EXPECT_TRUE(lookUp(data.path(), base + QStringList{QStringLiteral("--similar"), QLatin1String(word)})
                        .contains(QStringLiteral("Similar words:")));
        EXPECT_FALSE(lookUp(data.path(), base + QStringList{QStringLiteral("--no-similar"), QLatin1String(word)})
                         .contains(QStringLiteral("Similar words:")));
    }
}

} // namespace
