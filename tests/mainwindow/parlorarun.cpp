#include "parlorarun.h"

#include "localisation/builtinmessages.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>

namespace parlora::testing {

namespace {

QStringList languageFile(const QString &code)
{
    QStringList lines{QStringLiteral("# test language %1").arg(code)};
    for (int line = 1; line <= 57; ++line)
        lines << QStringLiteral("%1 caption %2").arg(code).arg(line);
    // The messages that name files, reasons and addresses: their test texts
    // show what was filled in.
    constexpr int FirstMessageWithArguments = Message::PersonalDictionarySaveFailed;
    constexpr int LastMessageWithArguments = Message::LinkCannotBeOpened;
    for (int index = 0; index < UsedMessageCount; ++index)
        lines << messageText(code, index)
                + (index >= FirstMessageWithArguments && index <= LastMessageWithArguments ? QStringLiteral(" %1 %2")
                                                                                          : QString());
    return lines;
}

// Records of three lines: entry, translation, separator.
QStringList records(const QList<QPair<QString, QString>> &pairs)
{
    QStringList lines;
    for (const auto &[first, second] : pairs)
        lines << first << second << QString();
    return lines;
}

} // namespace

TestFolder::TestFolder()
{
    QDir(path()).mkpath(QStringLiteral("dic"));
    QDir(path()).mkpath(QStringLiteral("lang"));
    writeLines(QStringLiteral("dic/portital.diz"),
               records({{QStringLiteral("casa"), QStringLiteral("casa")},
                        {QStringLiteral("cane"), QStringLiteral("c\u00e3o")},
                        {QStringLiteral("gatto"), QStringLiteral("gato")},
                        {QStringLiteral("cane da guardia"), QStringLiteral("c\u00e3o de guarda")},
                        {QStringLiteral("precipitevolissimevolmente"), QStringLiteral("muito rapidamente")}}));
    writeLines(QStringLiteral("dic/portugal.fra"),
               records({{QStringLiteral("Il gatto dorme."), QStringLiteral("O gato dorme.")}}));
    writeLines(QStringLiteral("dic/ital.gra"), {});
    writeLines(QStringLiteral("dic/portugal.gra"), {});
    writeLines(QStringLiteral("lang/Italiano.lng"), languageFile(QStringLiteral("it")));
    writeLines(QStringLiteral("lang/Portugu\u00eas.lng"), languageFile(QStringLiteral("pt")));
    writeLines(QStringLiteral("lang/English.lng"), languageFile(QStringLiteral("en")));
}

void TestFolder::writeLines(const QString &relative, const QStringList &lines) const
{
    const SaveResult written = writeTextLines(filePath(relative), lines);
    EXPECT_TRUE(written.ok) << written.error.toStdString();
}

void TestFolder::writeSettings(const QByteArray &bytes) const
{
    QFile file(filePath(QStringLiteral("parlora.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray TestFolder::settingsBytes() const
{
    QFile file(filePath(QStringLiteral("parlora.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TestFolder::personalDictionaryLines() const
{
    TextFileReader reader(filePath(QStringLiteral("dic/portital.per")));
    QStringList lines;
    while (!reader.atEnd())
        lines << reader.readLine();
    return lines;
}

ParloraRun::ParloraRun(const QString &folder)
    : ParloraRun(folder, chooseDataLocations(folder, true, LanguagePair().PersonalDictionaryFile, {}))
{
}

ParloraRun::ParloraRun(const QString &folder, const DataLocations &locations) : session(folder, folder, locations)
{
    windows = std::make_unique<ApplicationWindows>(session, prompts, [this](const QUrl &url) {
        opened << url;
        return desktopOpensLinks;
    });
    QObject::connect(&window(), &MainWindow::programEnded, [this](int code) { exitCode = code; });
    window().show();
    window().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    window().loadDataOnFirstActivation();
    QCoreApplication::processEvents();
}

QStringList ParloraRun::lines(const char *listName)
{
    QStringList texts;
    const QAbstractItemModel *model = list(listName)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

int ParloraRun::rowOf(const char *listName, const QString &text)
{
    return int(lines(listName).indexOf(text));
}

void ParloraRun::selectRow(const char *listName, int row)
{
    QAbstractItemView *view = list(listName);
    view->setCurrentIndex(view->model()->index(row, 0));
}

QStringList ParloraRun::selectedLines(const char *listName)
{
    QStringList texts;
    for (const QModelIndex &index : list(listName)->selectionModel()->selectedIndexes())
        texts << index.data().toString();
    return texts;
}

void ParloraRun::trigger(const char *actionName)
{
    QAction *found = action(actionName);
    ASSERT_TRUE(found && found->isEnabled()) << actionName << " is missing or disabled";
    found->trigger();
}

void ParloraRun::typeInto(const char *fieldName, const QString &text)
{
    QLineEdit *target = field(fieldName);
    focus(fieldName);
    target->selectAll();
    for (const QChar character : text) {
        // The test library maps only ASCII characters to keys; other letters
        // arrive as text, the way an input method delivers them.
        if (character.unicode() < 128)
            QTest::keyClick(target, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

} // namespace parlora::testing
