#include "dialogs/updatecheck.h"
#include "localhttpserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

UpdateCheckOutcome runCheck(const UpdateCheckSetup &setup)
{
    UpdateCheck check;
    QSignalSpy finished(&check, &UpdateCheck::finished);
    check.start(setup);
    EXPECT_TRUE(finished.wait(10000));
    return finished.isEmpty() ? UpdateCheckOutcome{} : finished.front().front().value<UpdateCheckOutcome>();
}

DownloadResult runDownload(const QString &url, const QString &file, const DownloadLimits &limits = {})
{
    HttpDownload download;
    QSignalSpy finished(&download, &HttpDownload::finished);
    download.start(url, file, limits);
    EXPECT_TRUE(finished.wait(10000));
    return finished.isEmpty() ? DownloadResult{} : finished.front().front().value<DownloadResult>();
}

} // namespace

TEST(UpdateCheck, ComparesTheAnnouncedVersionNumerically)
{
    QByteArray longBody("3.1\r\n");
    longBody.append(QByteArray(10000, 'x')); // arrives in several reads
    const struct {
        const char *name;
        QByteArray body;
        QByteArray status;
        UpdateCheckOutcome::Result expected;
    } cases[] = {
        {"sameVersion", "3.1\r\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"lfLineEnd", "3.1\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"noLineEnd", "3.1", "200 OK", UpdateCheckOutcome::UpToDate},
        {"onlyTheFirstLineCounts", "3.1\r\n9.9\r\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"spacesAroundAreLayout", " 3.1 \r\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"higherVersion", "3.2", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"partsCompareAsNumbers", "3.10\n", "200 OK", UpdateCheckOutcome::NewerVersion},
        {"lowerVersionIsNoUpdate", "3.0\r\n", "200 OK", UpdateCheckOutcome::UpToDate},
        {"longBodyInPieces", longBody, "200 OK", UpdateCheckOutcome::UpToDate},
        {"errorPageIsAFailure", "3.2", "404 Not Found", UpdateCheckOutcome::Failed},
        {"textIsNoVersion", "<html>new!</html>", "200 OK", UpdateCheckOutcome::Failed},
        {"emptyFirstLine", "\r\n3.2\r\n", "200 OK", UpdateCheckOutcome::Failed},
        {"emptyBody", "", "200 OK", UpdateCheckOutcome::Failed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        LocalHttpServer server;
        server.answer(c.body, c.status);

        const UpdateCheckOutcome outcome = runCheck({server.address(), dir.path(), {}});
        EXPECT_EQ(outcome.result, c.expected) << outcome.failure.description.toStdString();
        EXPECT_EQ(outcome.result == UpdateCheckOutcome::Failed, !outcome.failure.description.isEmpty());
        EXPECT_TRUE(server.lastRequest().startsWith("GET /Ravaruz/Parlora/versione.txt HTTP/1.1\r\n"));
    }
}

TEST(UpdateCheck, NeverWritesIntoTheCurrentFolder)
{
    QTemporaryDir current;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    QFile usersFile(QStringLiteral("versione.txt"));
    ASSERT_TRUE(usersFile.open(QIODevice::WriteOnly) && usersFile.write("my notes") == 8);
    usersFile.close();
    LocalHttpServer server;
    server.answer("3.1\r\n");
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));

    EXPECT_EQ(runCheck({server.address(), QString(), {}}).result, UpdateCheckOutcome::UpToDate);
    EXPECT_EQ(readAll(QStringLiteral("versione.txt")), QByteArray("my notes"));
    EXPECT_EQ(readAll(cache.filePath(QStringLiteral("parlora/versione.txt"))), QByteArray("3.1\r\n"));
    qunsetenv("XDG_CACHE_HOME");
    QDir::setCurrent(previous);
}

TEST(HttpDownload, FailuresLeaveTheEarlierCopyAlone)
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
        {"notFound",
         [](LocalHttpServer &server) {
             server.answer("3.9", "404 Not Found");
             return server.address();
         },
         {},
         downloaderror::HttpStatus},
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
        const DownloadResult result = runDownload(c.address(server), target, c.limits);

        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.errorNumber, c.expectedError) << result.description.toStdString();
        EXPECT_LT(clock.elapsed(), 5000) << "a failure must end the wait promptly";
        EXPECT_EQ(readAll(target), QByteArray("3.0\r\n"));
    }
}
