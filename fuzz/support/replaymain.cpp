// Replays saved inputs through a fuzz target's entry function, in a build
// without libFuzzer: every seed and every input that once crashed, hung or
// ran slowly runs again in every test run.
//   TARGET_replay [--seconds N] FILE_OR_FOLDER...
// A property that fails aborts with its message; an input slower than the
// limit fails too (the fuzzer's -timeout plays that part while fuzzing).

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

// Far above what any saved input takes in a plain build, and well below
// what a quadratic or endless one would: sanitizers slow the program down
// several times over, and the machine may be busy with other builds.
constexpr double DefaultSecondsPerInput = 60;

QStringList inputsUnder(const QString &path)
{
    if (QFileInfo(path).isFile())
        return {path};
    QStringList files;
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!QFileInfo(file).fileName().startsWith(QLatin1Char('.')))
            files << file;
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    double limit = DefaultSecondsPerInput;
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--seconds") && i + 1 < argc) {
            limit = QString::fromLocal8Bit(argv[++i]).toDouble();
            continue;
        }
        inputs += inputsUnder(argument);
    }
    if (inputs.isEmpty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }

    int slow = 0;
    double slowest = 0;
    QString slowestInput;
    for (const QString &input : std::as_const(inputs)) {
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(input), qPrintable(file.errorString()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        // Names the input, should the target abort on it.
        std::fprintf(stderr, "replaying %s\n", qPrintable(input));
        QElapsedTimer timer;
        timer.start();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (seconds > slowest) {
            slowest = seconds;
            slowestInput = input;
        }
        if (seconds > limit) {
            std::fprintf(stderr, "%s: took %.1f s, over the limit of %.1f s\n", qPrintable(input), seconds, limit);
            ++slow;
        }
    }
    std::printf("%lld inputs replayed, slowest %.3f s (%s); %d over the limit\n", static_cast<long long>(inputs.size()),
                slowest, qPrintable(QFileInfo(slowestInput).fileName()), slow);
    return slow == 0 ? 0 : 1;
}
