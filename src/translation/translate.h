#pragma once

#include "dictionary/languagepairloader.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/progresssink.h"
#include "dictionary/settings.h"
#include "localisation/languagemessages.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace parlora {

enum class ResultList { Translations, SimilarWords };

// One line as it was added to a result list, in the order of adding; the
// window replays these to apply the widest-line rule for horizontal scrolling.
struct AddedLine {
    ResultList list = ResultList::Translations;
    QString text;
};

// Everything one translation produces.
struct TranslationResult {
    bool ran = false;             // false: the input was empty, only the lists were cleared
    QStringList translations;     // lstTraduzioni, in order
    QStringList similarWords;     // lstSimili, in order
    QString resultText;           // Text1 (only meaningful when ran)
    bool ExactFound = false;
    bool SimilarFound = false;
    QList<AddedLine> addedLines;  // both lists interleaved, in adding order
};

// The searches' view of the loaded data. Build once after loading (it may
// precompute search forms); the personal dictionary is read live.
class Translator {
public:
    Translator(const DictionaryData &data, const PersonalDictionary &personal);

    // One translation run of the typed text, with status texts and progress
    // reported in order.
    TranslationResult Translate(const QString &typedText, bool direction, const Settings &settings,
                                const LanguageMessages &messages, ProgressSink &progress) const;

private:
    const DictionaryData &m_data;
    const PersonalDictionary &m_personal;
};

} // namespace parlora
