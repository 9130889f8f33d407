#include "dialogs/updatecheck.h"
#include "localhttpserver.h"
#include "platform/httpdownload.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

UpdateCheckSetup setupFor(const LocalHttpServer &server, const QTemporaryDir &dir)
{
    UpdateCheckSetup setup;
    setup.serverAddress = server.address();
    setup.downloadFolder = dir.path();
    return setup;
}

struct FirstLineCase {
    const char *name;
    QByteArray body;
    QByteArray status;
    UpdateCheckOutcome::Result expected;
};

} // namespace

TEST(UpdateCheck, ComparesTheWholeFirstLineWithTheProgramVersion)
{
    const FirstLineCase cases[] = {
        {"sameVersion", "3.1\r\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"sameVersionWithoutLineEnd", "3.1", "200 OK", UpdateCheckOutcome::UpToDate},
        {"onlyTheFirstLineCounts", "3.1\r\n3.2\r\nnotes\r\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"higherVersion", "3.2\r\n", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"lowerVersion", "3.0\r\n", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"trailingSpaceIsNotTrimmed", "3.1 \r\n", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"emptyFirstLine", "\r\n3.1\r\n", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"errorPageIsKeptAndDiffers", "<html>Not Found</html>", "404 Not Found", UpdateCheckOutcome::NewerVersion},
        {"emptyBodyHasNoFirstLine", "", "200 OK", UpdateCheckOutcome::Failed},
    };
    for (const FirstLineCase &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        LocalHttpServer server;
        server.answer(c.body, c.status);

        const UpdateCheckOutcome outcome = CheckForUpdate(setupFor(server, dir));

        EXPECT_EQ(outcome.result, c.expected);
        EXPECT_EQ(readAll(localVersionFilePath(dir.path())), c.body) << "the local copy holds the body as sent";
    }
}

TEST(UpdateCheck, AsksForTheVersionFileOfTheServer)
{
    QTemporaryDir dir;
    LocalHttpServer server;
    server.answer("3.1\r\n");

    CheckForUpdate(setupFor(server, dir));

    ASSERT_EQ(server.requestCount(), 1);
    EXPECT_TRUE(server.lastRequest().startsWith("GET /Ravaruz/Parlora/versione.txt HTTP/1.1\r\n"))
        << server.lastRequest().constData();
}

TEST(CopyURLToFile, LargeBodyArrivesWholeAndInOrder)
{
    QTemporaryDir dir;
    LocalHttpServer server;
    QByteArray body;
    for (int i = 0; i < 10000; ++i)
        body.append(char(i * 7 % 256));
    server.answer(body);
    const QString target = dir.filePath(QStringLiteral("big.bin"));

    const DownloadResult result = CopyURLToFile(server.address() + QStringLiteral("/big"), target);

    EXPECT_TRUE(result) << result.description.toStdString();
    EXPECT_EQ(readAll(target), body);
}

TEST(CopyURLToFile, EmptyAddressOrFileNameIsRefusedBeforeAnythingHappens)
{
    QTemporaryDir dir;
    LocalHttpServer server;
    server.answer("3.1\r\n");
    const QString target = dir.filePath(QStringLiteral("versione.txt"));

    const DownloadResult noUrl = CopyURLToFile(QString(), target);
    const DownloadResult noFile = CopyURLToFile(server.address(), QString());

    EXPECT_EQ(noUrl.errorNumber, downloaderror::InvalidArgument);
    EXPECT_EQ(noFile.errorNumber, downloaderror::InvalidArgument);
    EXPECT_FALSE(noUrl.ok || noFile.ok);
    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_FALSE(QFile::exists(target));
}

TEST(CopyURLToFile, FailuresLeaveTheEarlierCopyAlone)
{
    struct Case {
        const char *name;
        std::function<QString(LocalHttpServer &)> prepare; // returns the address
        DownloadLimits limits;
        qint32 expectedError;
    };
    const Case cases[] = {
        {"serverDown",
         [](LocalHttpServer &) {
             // A port that was just free: nothing listens there.
             QTcpServer probe;
             probe.listen(QHostAddress::LocalHost, 0);
             return QStringLiteral("http://127.0.0.1:%1/v").arg(probe.serverPort());
         },
         {},
         downloaderror::OpenUrlFailed},
        {"serverNeverAnswers",
         [](LocalHttpServer &server) {
             server.hang();
             return server.address();
         },
         {std::chrono::milliseconds(300), 1024 * 1024},
         downloaderror::TimedOut},
        {"bodyOverTheSizeCap",
         [](LocalHttpServer &server) {
             server.answer(QByteArray(5000, 'x'));
             return server.address();
         },
         {std::chrono::milliseconds(15000), 4096},
         downloaderror::TooLarge},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        LocalHttpServer server;
        const QString target = dir.filePath(QStringLiteral("versione.txt"));
        writeFile(target, "3.0\r\n");
        const QString address = c.prepare(server);

        QElapsedTimer clock;
        clock.start();
        const DownloadResult result = CopyURLToFile(address, target, c.limits);

        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.errorNumber, c.expectedError) << result.description.toStdString();
        EXPECT_LT(clock.elapsed(), 5000) << "a failure must end the wait promptly";
        EXPECT_EQ(readAll(target), QByteArray("3.0\r\n"));
    }
}
