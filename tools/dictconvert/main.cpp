// parlora-dictconvert: builds the main dictionary file from a dictd
// dictionary (an .index and its .dict.dz).

#include "dictionaryconversion.h"

#include "platform/textfile.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int ExpectedArguments = 4; // program, index, dictionary, output
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != ExpectedArguments) {
        err << "usage: parlora-dictconvert INDEX DICT.DZ OUTPUT\n"
            << "  INDEX    a dictd index, e.g. /usr/share/dictd/freedict-ita-por.index\n"
            << "  DICT.DZ  its dictionary text, e.g. /usr/share/dictd/freedict-ita-por.dict.dz\n"
            << "  OUTPUT   the main dictionary file to write, e.g. dist/dic/portital.diz\n";
        return ExitUsage;
    }

    using namespace parlora::dictconvert;
    const ConversionResult result = convertDictdFiles(arguments[1], arguments[2]);
    if (!result.error.isEmpty()) {
        err << "parlora-dictconvert: " << result.error << "\n";
        return ExitFailed;
    }
    const parlora::SaveResult saved = parlora::writeTextLines(arguments[3], mainDictionaryLines(result.records));
    if (!saved) {
        err << "parlora-dictconvert: " << saved.error << "\n";
        return ExitFailed;
    }
    out << "articles read:                       " << result.articles << "\n"
        << "articles without a translation:      " << result.articlesWithoutTranslation << "\n"
        << "records written:                     " << result.records.size() << "\n"
        << "duplicate records dropped:           " << result.duplicatesDropped << "\n"
        << "records skipped (not Windows-1252):  " << result.unencodableSkipped << "\n";
    return 0;
}
