#include "dialogs/updatecheck.h"
#include "localhttpserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(UpdateCheck, ComparesTheWholeFirstLineWithTheProgramVersion)
{
    // Longer than one read of the download, so it arrives in pieces.
    QByteArray longBody("3.1\r\n");
    for (int i = 0; i < 10000; ++i)
        longBody.append(char(i * 7 % 256));
    const struct {
        const char *name;
        QByteArray body;
        QByteArray status;
        UpdateCheckOutcome::Result expected;
    } cases[] = {
        {"sameVersion", "3.1\r\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"onlyTheFirstLineCounts", "3.1\r\n3.2\r\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"higherVersion", "3.2", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"lowerVersion", "3.0\r\n", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"trailingSpaceIsNotTrimmed", "3.1 \r\n", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"emptyFirstLine", "\r\n3.1\r\n", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"errorPageIsKept", "<html>Not Found</html>", "404 Not Found", UpdateCheckOutcome::NewerVersion},
        {"longBodyIsKeptWholeAndInOrder", longBody, "200 OK", UpdateCheckOutcome::UpToDate},
        {"emptyBodyHasNoFirstLine", "", "200 OK", UpdateCheckOutcome::Failed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        LocalHttpServer server;
        server.answer(c.body, c.status);

        EXPECT_EQ(CheckForUpdate({server.address(), dir.path(), {}}).result, c.expected);
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("versione.txt"))), c.body);
        EXPECT_TRUE(server.lastRequest().startsWith("GET /Ravaruz/Parlora/versione.txt HTTP/1.1\r\n"));
    }
}

TEST(CopyURLToFile, FailuresLeaveTheEarlierCopyAlone)
{
    const struct {
        const char *name;
        std::function<QString(LocalHttpServer &)> address;
        DownloadLimits limits;
        qint32 expectedError;
    } cases[] = {
        {"emptyAddress", [](LocalHttpServer &) { return QString(); }, {}, downloaderror::InvalidArgument},
        {"serverDown",
         [](LocalHttpServer &) {
             QTcpServer probe; // a port that was just free: nothing listens there now
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
         {std::chrono::milliseconds(300), 1024},
         downloaderror::TimedOut},
        {"bodyOverTheSizeCap",
         [](LocalHttpServer &server) {
             server.answer(QByteArray(5000, 'x'));
             return server.address();
         },
         {std::chrono::milliseconds(15000), 4096},
         downloaderror::TooLarge},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        LocalHttpServer server;
        const QString target = dir.filePath(QStringLiteral("versione.txt"));
        QFile earlier(target);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("3.0\r\n") == 5);
        earlier.close();

        QElapsedTimer clock;
        clock.start();
        const DownloadResult result = CopyURLToFile(c.address(server), target, c.limits);

        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.errorNumber, c.expectedError) << result.description.toStdString();
        EXPECT_LT(clock.elapsed(), 5000) << "a failure must end the wait promptly";
        EXPECT_EQ(readAll(target), QByteArray("3.0\r\n"));
    }

    // Without a file name nothing is even asked of the server.
    LocalHttpServer server;
    EXPECT_EQ(CopyURLToFile(server.address(), QString()).errorNumber, downloaderror::InvalidArgument);
    EXPECT_TRUE(server.lastRequest().isEmpty());
}
