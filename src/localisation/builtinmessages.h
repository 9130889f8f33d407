#pragma once

#include <QStringList>

namespace parlora {

// The program reads messages 0 to 22 of the table.
inline constexpr int UsedMessageCount = 23;

// Indices of the message table, for the code that shows them.
namespace Message {
inline constexpr int LoadingDictionary = 0;
inline constexpr int SearchingDictionaries = 1;
inline constexpr int SearchingSimilarWords = 2;
inline constexpr int OnlySimilarWordsFound = 3;
inline constexpr int WordNotFound = 4;
inline constexpr int PersonalDictionaryTitle = 5;
inline constexpr int FillBothWords = 6;
inline constexpr int WordTooLong = 7;
inline constexpr int NewerVersionAvailable = 11;
inline constexpr int NoNewerVersion = 12;
inline constexpr int SimilarWordsHint = 13;
inline constexpr int InputHint = 14;
inline constexpr int TranslationsHint = 15;
inline constexpr int ResultTextHint = 16;
inline constexpr int PersonalWordHint = 17;
inline constexpr int PersonalTranslationHint = 18;
inline constexpr int PersonalListHint = 19;
inline constexpr int SimilarWordsOffHint = 20;
inline constexpr int MainDictionaryMissing = 21;
inline constexpr int SearchingPhrasebook = 22;
} // namespace Message

// The Italian texts of messages 0 to 22, the same wording as the Italian
// language file. They answer whenever no language file has supplied an index,
// so a missing or short language file never leaves a status text or a
// warning blank.
QStringList builtInMessages();

} // namespace parlora
