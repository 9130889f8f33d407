#pragma once

#include "translation/translate.h"

#include <QByteArray>
#include <QString>

namespace parlora::cli {

// One answer: the query, the direction it was searched in and the result.
struct Answer {
    QString query;
    bool italianSearched = true;
    TranslationResult result;
};

// The answer as the window shows it: translations, similar words, phrases.
// A heading names the direction when both directions are answered.
QByteArray textAnswer(const Answer &answer, bool withHeading);

// The answer as one line of JSON (UTF-8, no line break inside), with the
// fields query, direction ("it-pt" or "pt-it"), found, translations
// ([{source, target, baseForm?}]), similar ([...]) and phrases
// ([{source, target}]).
QByteArray jsonAnswer(const Answer &answer);

// The blocks of a result text: the shown phrase or entry and its
// translation.
QList<std::pair<QString, QString>> resultBlocks(const QString &resultText);

} // namespace parlora::cli
