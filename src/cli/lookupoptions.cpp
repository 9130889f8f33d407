#include "cli/lookupoptions.h"

#include <QCommandLineParser>

namespace parlora::cli {

namespace {

const QString ProgramName = QStringLiteral("parlora-lookup");
const QString Italian = QStringLiteral("it");
const QString Portuguese = QStringLiteral("pt");
const QString StandardInput = QStringLiteral("-");

struct Switch {
    QCommandLineOption on;
    QCommandLineOption off;
};

// The parser with every option and its description, for parsing and help.
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption from{QStringLiteral("from"),
                            QStringLiteral("Search Italian (it) or Portuguese (pt) words. Without it both directions "
                                           "are searched, each answer under a heading naming its direction."),
                            QStringLiteral("it|pt")};
    Switch similar{{QStringLiteral("similar"), QStringLiteral("Also list words of similar spelling (the default).")},
                   {QStringLiteral("no-similar"), QStringLiteral("Do not list words of similar spelling.")}};
    Switch phrases{{QStringLiteral("phrases"),
                    QStringLiteral("Also search the phrasebook and the words inside entries.")},
                   {QStringLiteral("no-phrases"), QStringLiteral("Do not search the phrasebook (the default).")}};
    Switch baseForms{{QStringLiteral("base-forms"),
                      QStringLiteral("For a word that is no entry, show the entries of its base forms, such as "
                                     "parlare for parliamo (the default).")},
                     {QStringLiteral("no-base-forms"), QStringLiteral("Do not look up base forms.")}};
    QCommandLineOption saved{QStringLiteral("saved"),
                             QStringLiteral("Take the direction and the search options the desktop program saved, "
                                            "and its interface language.")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("Print one JSON object per query and direction (JSON Lines with several "
                                           "queries), in UTF-8.")};
    QCommandLineOption language{QStringLiteral("lang"),
                                QStringLiteral("The interface language whose messages are printed (a file of the "
                                               "lang folder; default: from the locale, else English)."),
                                QStringLiteral("NAME")};
    QCommandLineOption data{QStringLiteral("data"),
                            QStringLiteral("The folder that holds dic/ and lang/ (default: found as the desktop "
                                           "program finds it)."),
                            QStringLiteral("DIR")};
    QCommandLineOption exportPersonal{QStringLiteral("export-personal"),
                                      QStringLiteral("Write the personal dictionary to FILE as UTF-8 TSV (word, TAB, "
                                                     "translation, with a header line) and exit."),
                                      QStringLiteral("FILE")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the program's version.")};

    Parser()
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QStringLiteral(
            "Looks words up in Parlora's Italian-Portuguese dictionary, as the desktop program does.\n"
            "With WORD..., the words are one query. With - (or no word and standard input not a terminal)\n"
            "every line of standard input is a query, all answered by one process; empty lines are skipped.\n"
            "Put -- before a word that begins with a hyphen (-- -mente).\n"
            "Exit status: 0 a translation was found (whole entry or base form), 1 none was,\n"
            "2 a usage error, missing or unreadable data, or output that could not be written."));
        parser.addOptions({from, similar.on, similar.off, phrases.on, phrases.off, baseForms.on, baseForms.off, saved,
                           json, language, data, exportPersonal, help, version});
        parser.addPositionalArgument(QStringLiteral("WORD"), QStringLiteral("A word or expression to look up, or -."),
                                     QStringLiteral("[WORD...|-]"));
    }

    // An on/off pair: absent, one of them, or a usage error for both.
    bool readSwitch(const Switch &pair, std::optional<bool> &value) const
    {
        const bool on = parser.isSet(pair.on);
        const bool off = parser.isSet(pair.off);
        if (on && off)
            return false;
        if (on || off)
            value = on;
        return true;
    }
};

} // namespace

LookupOptions parseLookupOptions(const QStringList &arguments, bool standardInputIsTerminal)
{
    Parser line;
    LookupOptions options;
    if (!line.parser.parse(QStringList{ProgramName} + arguments)) {
        options.error = line.parser.errorText();
        return options;
    }
    options.helpWanted = line.parser.isSet(line.help);
    options.versionWanted = line.parser.isSet(line.version);
    if (options.helpWanted || options.versionWanted)
        return options;

    options.dataFolder = line.parser.value(line.data);
    options.language = line.parser.value(line.language);
    options.saved = line.parser.isSet(line.saved);
    options.json = line.parser.isSet(line.json);
    options.exportPersonalFile = line.parser.value(line.exportPersonal);
    if (line.parser.isSet(line.from)) {
        const QString side = line.parser.value(line.from);
        if (side != Italian && side != Portuguese) {
            options.error = QStringLiteral("--from takes it or pt, not \"%1\"").arg(side);
            return options;
        }
        options.directions = {side};
    } else if (!options.saved) {
        options.directions = {Italian, Portuguese};
    }
    if (!line.readSwitch(line.similar, options.similar) || !line.readSwitch(line.phrases, options.phrases)
        || !line.readSwitch(line.baseForms, options.baseForms)) {
        options.error = QStringLiteral("an option and its --no- form cannot be given together");
        return options;
    }
    if (!options.exportPersonalFile.isEmpty())
        return options;

    const QStringList words = line.parser.positionalArguments();
    if (words == QStringList{StandardInput} || (words.isEmpty() && !standardInputIsTerminal)) {
        options.batch = true;
        return options;
    }
    if (words.isEmpty()) {
        options.error = QStringLiteral("no word to look up");
        return options;
    }
    options.query = words.join(QLatin1Char(' '));
    if (options.query.trimmed().isEmpty())
        options.error = QStringLiteral("the word to look up is empty");
    return options;
}

QString lookupHelpText()
{
    Parser line;
    // Without an application object the parser cannot know the program's
    // name.
    return line.parser.helpText().replace(QStringLiteral("<executable_name>"), ProgramName);
}

QString lookupUsageLine()
{
    return QStringLiteral("Usage: parlora-lookup [options] [WORD...|-]   (parlora-lookup --help for more)");
}

} // namespace parlora::cli
