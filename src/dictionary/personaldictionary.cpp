#include "dictionary/personaldictionary.h"

#include "words/textrules.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace parlora {

namespace {

constexpr QChar CarriageReturn = u'\r';
const QString EntrySeparator = QStringLiteral(" --> ");

// The first character of the text that the file could not hold faithfully:
// one outside Windows-1252 (it would come back as something else), or a
// carriage return (it would split the entry into two lines). Empty when all
// of the text can be stored.
QString firstUnstorableCharacter(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView character = QStringView(text).sliced(i, length);
        if (character.front() == CarriageReturn || !canEncodeWindows1252(character))
            return character.toString();
        i += length - 1;
    }
    return {};
}

InsertResult refusal(const QString &character)
{
    const QString shown = character == CarriageReturn ? QStringLiteral("line break") : QStringLiteral("character \"%1\"").arg(character);
    return {false, QStringLiteral("The %1 cannot be stored in the personal dictionary.").arg(shown)};
}

} // namespace

void PersonalDictionary::setUndoRedoListener(UndoRedoListener listener)
{
    m_listener = std::move(listener);
}

SaveResult PersonalDictionary::LoadPersonalDictionary(const QString &filePath)
{
    // Inserting the pairs one by one would put every later equal word before
    // the earlier ones, and would take quadratic time for a file in any other
    // than ascending order. Reversing the pairs and sorting them stably by word
    // gives exactly that order in n log n.
    TextFileReader file(filePath);
    if (!file.isOpen())
        return SaveResult::failure(
            QStringLiteral("The personal dictionary %1 could not be read: %2").arg(filePath, file.errorString()));
    std::vector<std::pair<QString, QString>> entries;
    while (!file.atEnd()) {
        QString word = file.readLine();
        if (file.atEnd())
            break; // a lone last line has no translation
        QString translation = file.readLine();
        entries.emplace_back(words::TrimSpaces(word), words::TrimSpaces(translation));
    }
    std::reverse(entries.begin(), entries.end());
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto &left, const auto &right) { return left.first < right.first; });

    m_words.clear();
    m_translations.clear();
    m_words.reserve(qsizetype(entries.size()));
    m_translations.reserve(qsizetype(entries.size()));
    for (auto &[word, translation] : entries) {
        m_words.append(std::move(word));
        m_translations.append(std::move(translation));
    }
    m_fileName = filePath;
    m_recording = true;
    UpdateUndoRedoCommands();
    return {};
}

SaveResult PersonalDictionary::SavePersonalDictionary() const
{
    // Without a successful load the file on disk holds words this store has
    // never seen; writing the store would replace them.
    if (m_fileName.isEmpty())
        return SaveResult::failure(
            QStringLiteral("The personal dictionary was not loaded, so the file on disk was left as it was."));

    QStringList lines;
    lines.reserve(m_words.size() * 2);
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        lines.append(m_words.at(i));
        lines.append(m_translations.at(i));
    }
    const SaveResult written = writeTextLines(m_fileName, lines);
    if (!written)
        return SaveResult::failure(
            QStringLiteral("The personal dictionary %1 could not be saved: %2").arg(m_fileName, written.error));
    return written;
}

InsertResult PersonalDictionary::InsertEntry(QString &word, QString &translation)
{
    word = words::TrimSpaces(word);
    translation = words::TrimSpaces(translation);
    for (const QString *text : {&word, &translation}) {
        const QString unstorable = firstUnstorableCharacter(*text);
        if (!unstorable.isEmpty())
            return refusal(unstorable);
    }

    // Before every word that is greater than or equal to the new one.
    const auto position = std::lower_bound(m_words.cbegin(), m_words.cend(), word);
    placeEntry(qint32(position - m_words.cbegin()), word, translation);
    return {};
}

void PersonalDictionary::placeEntry(qint32 index, const QString &word, const QString &translation)
{
    m_words.insert(index, word);
    m_translations.insert(index, translation);
    RecordStep(true, word, translation, index);
    UpdateUndoRedoCommands();
}

void PersonalDictionary::DeleteEntry(qint32 index)
{
    if (index < 0 || index >= EntryCount())
        return;
    RecordStep(false, m_words.at(index), m_translations.at(index), index);
    m_words.removeAt(index);
    m_translations.removeAt(index);
    UpdateUndoRedoCommands();
}

void PersonalDictionary::Undo()
{
    if (!canUndo())
        return;
    const bool wasRecording = std::exchange(m_recording, false);
    const UndoStep step = m_history.at(m_historyPosition - 1);
    // Steps are undone strictly in reverse, so the store is exactly as the
    // step left it. A deleted entry goes back to its own index rather than
    // before its equal words: otherwise the older steps' indexes would point
    // at the wrong one of two equal words.
    if (step.IsInsert)
        DeleteEntry(step.Index);
    else
        placeEntry(step.Index, step.Word, step.Translation);
    m_recording = wasRecording;
    --m_historyPosition;
    UpdateUndoRedoCommands();
}

void PersonalDictionary::Redo()
{
    if (!canRedo())
        return;
    ++m_historyPosition;
    const bool wasRecording = std::exchange(m_recording, false);
    const UndoStep step = m_history.at(m_historyPosition - 1);
    if (step.IsInsert)
        placeEntry(step.Index, step.Word, step.Translation);
    else
        DeleteEntry(step.Index);
    m_recording = wasRecording;
    UpdateUndoRedoCommands();
}

QStringList PersonalDictionary::RenderEntries() const
{
    QStringList lines;
    lines.reserve(m_words.size());
    for (qsizetype i = 0; i < m_words.size(); ++i)
        lines.append(m_words.at(i) + EntrySeparator + m_translations.at(i));
    return lines;
}

void PersonalDictionary::RecordStep(bool isInsert, const QString &word, const QString &translation, qint32 index)
{
    if (!m_recording)
        return;
    // A new step makes the undone steps after the current position unreachable.
    m_history.resize(m_historyPosition);
    m_history.append({isInsert, word, translation, index});
    // Keep the newest steps undoable rather than refusing new ones.
    if (m_history.size() > MaxHistoryLength)
        m_history.removeFirst();
    m_historyPosition = int(m_history.size());
}

void PersonalDictionary::UpdateUndoRedoCommands() const
{
    if (m_listener)
        m_listener(canUndo(), canRedo());
}

} // namespace parlora
