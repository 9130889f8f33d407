#include "cli/lookupcommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return parlora::cli::runLookup(arguments, QCoreApplication::applicationDirPath(), out, err);
}
