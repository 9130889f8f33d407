#include "app/startoptions.h"

#include <QCommandLineParser>

namespace parlora {

namespace {
const QString Italian = QStringLiteral("it");
const QString Portuguese = QStringLiteral("pt");

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption from{QStringLiteral("from"),
                            QStringLiteral("Look the words up as Italian (it) or as Portuguese (pt)."),
                            QStringLiteral("it|pt")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the program's version.")};

    Parser()
    {
        parser.setApplicationDescription(
            QStringLiteral("Parlora, the Italian-Portuguese dictionary. With words, it starts with them looked "
                           "up; when Parlora is already running, its window shows them instead."));
        parser.addOptions({from, help, version});
        parser.addPositionalArgument(QStringLiteral("words"), QStringLiteral("A word or expression to look up."),
                                     QStringLiteral("[WORD...]"));
    }
};
} // namespace

StartOptions parseStartOptions(const QStringList &arguments)
{
    Parser line;
    StartOptions options;
    if (!line.parser.parse(arguments)) {
        options.error = line.parser.errorText();
        return options;
    }
    options.helpWanted = line.parser.isSet(line.help);
    options.versionWanted = line.parser.isSet(line.version);
    if (line.parser.isSet(line.from)) {
        const QString side = line.parser.value(line.from);
        if (side != Italian && side != Portuguese) {
            options.error = QStringLiteral("--from takes it or pt, not \"%1\"").arg(side);
            return options;
        }
        options.language1ToLanguage2 = side == Italian;
    }
    options.query = line.parser.positionalArguments().join(QLatin1Char(' '));
    return options;
}

QString startOptionsHelp()
{
    Parser line;
    return line.parser.helpText();
}

} // namespace parlora
