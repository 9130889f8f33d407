#pragma once

#include "dictionary/languagepairloader.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/progresssink.h"
#include "dictionary/settings.h"
#include "localisation/languagemessages.h"
#include "translation/translate.h"

namespace parlora::reference {

// The translation run done the plain way: every step of the run for every
// record, a full distance table per candidate, every phrase scanned for every
// rule. It is the yardstick the fast Translator is measured and checked
// against, so it must stay simple enough to be obviously right.
TranslationResult Translate(const DictionaryData &data, const PersonalDictionary &personal, const QString &typedText,
                            bool direction, const Settings &settings, const LanguageMessages &messages,
                            ProgressSink &progress);

} // namespace parlora::reference
