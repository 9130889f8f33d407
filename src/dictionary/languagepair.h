#pragma once

#include <QString>

namespace parlora {

// The one language pair the program works on, with its data files inside the
// dic folder.
struct LanguagePair {
    QString Language1Name = QStringLiteral("Italiano");
    QString Language2Name = QStringLiteral("Português");
    QString MainDictionaryFile = QStringLiteral("portital.diz");
    QString PhrasebookFile = QStringLiteral("portugal.fra");
    QString Language1GrammarFile = QStringLiteral("ital.gra");
    QString Language2GrammarFile = QStringLiteral("portugal.gra");
    QString PersonalDictionaryFile = QStringLiteral("portital.per");
    QString Language1FormsFile = QStringLiteral("ital.forms");
    QString Language2FormsFile = QStringLiteral("portugal.forms");
};

} // namespace parlora
