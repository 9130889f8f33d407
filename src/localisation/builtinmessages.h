#pragma once

#include <QStringList>

namespace parlora {

// The program reads messages 0 to 58 of the table.
inline constexpr int UsedMessageCount = 59;

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
// Saving the user's files: %1 the file, %2 the reason.
inline constexpr int PersonalDictionarySaveFailed = 23;
inline constexpr int SettingsSaveFailed = 24;
inline constexpr int RetryOrQuitQuestion = 25;
inline constexpr int QuitWithoutSaving = 26;
// Files that cannot be read or created: %1 the file, %2 the reason.
inline constexpr int MainDictionaryUnreadable = 27;
inline constexpr int DataFileUnreadable = 28;
inline constexpr int PersonalDictionaryUnreadable = 29;
inline constexpr int PersonalDictionaryNotCreated = 30;
// %1 the file, %2 the copy kept before it is replaced.
inline constexpr int PersonalDictionaryNotUnderstood = 31;
inline constexpr int UpdateCheckUnavailable = 32;
inline constexpr int CheckingForUpdates = 33;
// %1 the reason.
inline constexpr int UpdateCheckFailed = 34;
// %1 the character.
inline constexpr int CharacterNotStorable = 35;
inline constexpr int LineBreakNotStorable = 36;
// A line found through a base form: %1 the word looked up, %2 the line of
// its base form ("parlare --> falar").
inline constexpr int BaseFormLine = 37;
// %1 the word looked up.
inline constexpr int BaseFormStatus = 38;
inline constexpr int BaseFormOption = 39;
inline constexpr int BaseFormOptionHint = 40;
// A language that cannot be applied: %1 its name, %2 one of the reasons
// that follow.
inline constexpr int LanguageSwitchFailed = 41;
inline constexpr int LanguageNameNotAllowed = 42;
// %1 the file.
inline constexpr int LanguageFileMissing = 43;
// %1 the file, %2 the system's reason.
inline constexpr int LanguageFileUnreadable = 44;
// %1 the file, %2 the caption lines it has, %3 the lines needed.
inline constexpr int LanguageFileTooShort = 45;
// %1 the address no program could open.
inline constexpr int LinkCannotBeOpened = 46;
// Menu commands, accessible names and descriptions, window titles.
inline constexpr int SwapDirectionCommand = 47;
inline constexpr int NewSearchCommand = 48;
inline constexpr int SimilarWordsName = 49;
inline constexpr int ResultTextName = 50;
inline constexpr int ProgressName = 51;
inline constexpr int SimilarWordsOptionHint = 52;
inline constexpr int PhrasebookOptionHint = 53;
inline constexpr int AboutWindowTitle = 54;
inline constexpr int CopyrightFrameTitle = 55;
inline constexpr int UpdateWindowTitle = 56;
inline constexpr int CreditsText = 57;
// No folder holds the data: %1 the main dictionary (dic/NAME), %2 the
// folders searched.
inline constexpr int DataFolderNotFound = 58;
} // namespace Message

// The Italian texts of messages 0 to 58, the same wording as the Italian
// language file. They answer whenever no language file has supplied an index,
// so a missing or short language file never leaves a status text or a
// warning blank.
QStringList builtInMessages();

} // namespace parlora
