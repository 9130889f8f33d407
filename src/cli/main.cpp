// parlora-lookup: the dictionary from a terminal. It runs without a Qt
// application object and leaves without tearing down what it built: a lookup
// should cost little more than starting the process.

#include "cli/lookupcommand.h"
#include "dictionary/languagepair.h"
#include "platform/applicationfolder.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// The folder of the executable, whatever the current folder or argv[0].
QString programFolder(const char *argv0)
{
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(self.isEmpty() ? QString::fromLocal8Bit(argv0) : self).absolutePath();
}

bool writeAll(std::FILE *stream, const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size())
        && std::fflush(stream) == 0;
}

bool readLine(QByteArray &line)
{
    line.clear();
    int c = 0;
    while ((c = std::getc(stdin)) != EOF && c != '\n')
        line.append(char(c));
    if (line.endsWith('\r'))
        line.chop(1);
    return c != EOF || !line.isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    parlora::cli::LookupIo io;
    io.dataSearch = parlora::findDataFolder(programFolder(argv[0]), parlora::LanguagePair().MainDictionaryFile);
    io.standardInputIsTerminal = ::isatty(STDIN_FILENO);
    io.readLine = readLine;
    io.writeOut = [](const QByteArray &bytes) { return writeAll(stdout, bytes); };
    io.writeErr = [](const QByteArray &bytes) { (void)writeAll(stderr, bytes); };
    io.endsAfterRun = true;
    const int status = parlora::cli::runLookup(arguments, io);
    // Everything is written and flushed; freeing what was built is work
    // nobody waits for.
    std::_Exit(status);
}
