#include "dictionary/personaldictionary.h"

#include "words/textrules.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace parlora {

namespace {

constexpr QChar CarriageReturn = u'\r';
constexpr QChar LineFeed = u'\n';
const QString EntrySeparator = QStringLiteral(" --> ");

InsertResult refusal(const QString &character)
{
    const bool lineBreak = character == CarriageReturn || character == LineFeed;
    const QString shown = lineBreak ? QStringLiteral("line break") : QStringLiteral("character \"%1\"").arg(character);
    return {false, QStringLiteral("The %1 cannot be stored in the personal dictionary.").arg(shown), character};
}

using PairList = std::vector<std::pair<QString, QString>>;

// The pairs of the file's bytes, in file order. A last line without its
// translation is the user's word all the same: it is kept with an empty
// translation rather than dropped (and then lost at the next save). A
// trailing empty line is only the end of the file.
PairList parsePairs(const QByteArray &bytes, bool &unpairedLastLine)
{
    TextFileReader file(bytes, LineEnds::Any);
    PairList pairs;
    unpairedLastLine = false;
    while (!file.atEnd()) {
        QString word = file.readLine();
        if (file.atEnd()) {
            if (!word.isEmpty()) {
                pairs.emplace_back(words::TrimSpaces(word), QString());
                unpairedLastLine = true;
            }
            break;
        }
        QString translation = file.readLine();
        pairs.emplace_back(words::TrimSpaces(word), words::TrimSpaces(translation));
    }
    return pairs;
}

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

FileSignature statFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return {true, info.size(), info.lastModified(), {}};
}

QString pairKey(const QString &word, const QString &translation)
{
    // A line break never occurs inside either side, so it separates them.
    return word + QLatin1Char('\n') + translation;
}

QSet<QString> pairKeys(const QStringList &words, const QStringList &translations)
{
    QSet<QString> keys;
    keys.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i)
        keys.insert(pairKey(words.at(i), translations.at(i)));
    return keys;
}

// The file shrank to less than this fraction: keep the old one aside.
constexpr qint64 ShrinkBackupDivisor = 2;
const QString BackupSuffix = QStringLiteral(".bak");

} // namespace

QString firstUnstorableCharacter(const QString &text)
{
    // The whole text at once first: the character by character search is
    // only needed to name the culprit.
    if (!text.contains(CarriageReturn) && !text.contains(LineFeed) && canEncodeWindows1252(text))
        return {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView character = QStringView(text).sliced(i, length);
        if (character.front() == CarriageReturn || character.front() == LineFeed
            || !canEncodeWindows1252(character))
            return character.toString();
        i += length - 1;
    }
    return {};
}

void PersonalDictionary::setUndoRedoListener(UndoRedoListener listener)
{
    m_listener = std::move(listener);
}

void PersonalDictionary::setChangeListener(ChangeListener listener)
{
    m_changeListener = std::move(listener);
}

SaveResult PersonalDictionary::LoadPersonalDictionary(const QString &filePath)
{
    m_fileName = filePath;
    m_recording = true;
    const FileBytes file = readDataFile(filePath);
    if (!file.ok) {
        // The store stays bound to the file, so the words of this session
        // can still be saved once the file can be read again (they are
        // merged with its pairs then); until then it is never written.
        m_unreadable = true;
        setEntries({});
        m_disk = {};
        m_syncedWords.clear();
        m_syncedTranslations.clear();
        m_savedRevision = m_revision;
        UpdateUndoRedoCommands();
        return SaveResult::failure(file.error);
    }
    m_unreadable = false;
    bool unpaired = false;
    PairList entries = parsePairs(file.bytes, unpaired);
    m_loadReport = {file.bytes.size(), qint32(entries.size()), unpaired};
    setEntries(std::move(entries));
    remember(file.bytes);
    m_backUpBeforeNextSave = m_loadReport.notUnderstood();
    m_savedRevision = m_revision;
    UpdateUndoRedoCommands();
    return {};
}

void PersonalDictionary::StartNew(const QString &filePath)
{
    m_fileName = filePath;
    m_recording = true;
    m_unreadable = false;
    m_loadReport = {};
    setEntries({});
    m_disk = {};
    m_syncedWords.clear();
    m_syncedTranslations.clear();
    // Nothing is on disk yet: the empty store is worth writing.
    m_savedRevision = m_revision - 1;
    UpdateUndoRedoCommands();
}

void PersonalDictionary::setEntries(PairList entries)
{
    // Inserting the pairs one by one would put every later equal word before
    // the earlier ones, and would take quadratic time for a file in any other
    // than ascending order. Reversing the pairs and sorting them stably by word
    // gives exactly that order in n log n.
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
    changedWholesale();
}

void PersonalDictionary::remember(const QByteArray &bytes)
{
    m_disk = statFile(m_fileName);
    m_disk.digest = digestOf(bytes);
    m_syncedWords = m_words;
    m_syncedTranslations = m_translations;
}

bool PersonalDictionary::mergeChangesOnDisk()
{
    const FileSignature now = statFile(m_fileName);
    // Gone: nothing to merge, the store's pairs are written anew.
    if (!now.exists)
        return false;
    // The contents decide, not the size and time: another program's edit of
    // the same length within the same millisecond, a file system that keeps
    // times in seconds, or a sync tool that restores the time, all leave
    // them as they were, and its pairs would be overwritten.
    const FileBytes file = readDataFile(m_fileName);
    if (!file.ok || digestOf(file.bytes) == m_disk.digest)
        return false;

    // Union of pairs: what the other program added comes in; what this one
    // deleted since the last load or save stays deleted.
    const QSet<QString> mine = pairKeys(m_words, m_translations);
    QSet<QString> deletedHere = pairKeys(m_syncedWords, m_syncedTranslations);
    deletedHere.subtract(mine);
    bool unpaired = false;
    bool merged = false;
    for (const auto &[word, translation] : parsePairs(file.bytes, unpaired)) {
        const QString key = pairKey(word, translation);
        if (mine.contains(key) || deletedHere.contains(key))
            continue;
        // Not an edit of this session: nothing to undo, so no step is
        // recorded. The steps' indexes may be off by the merged pairs from
        // now on; undo finds its entries by their texts where they moved.
        const qsizetype index = std::lower_bound(m_words.cbegin(), m_words.cend(), word) - m_words.cbegin();
        m_words.insert(index, word);
        m_translations.insert(index, translation);
        merged = true;
    }
    if (merged)
        changedWholesale();
    return merged;
}

SaveResult PersonalDictionary::SavePersonalDictionary()
{
    // Without a successful load the file on disk holds words this store has
    // never seen; writing the store would replace them.
    if (m_fileName.isEmpty())
        return SaveResult::failure(QStringLiteral("it was never read, so it is left as it is"));

    if (m_unreadable) {
        // Words of this session come on top of what the file holds, as soon
        // as it can be read; a file that still cannot be read is left alone.
        const FileBytes file = readDataFile(m_fileName);
        if (!file.ok)
            return SaveResult::failure(
                QStringLiteral("it could not be read, so it is left as it is (%1)").arg(file.error));
        m_unreadable = false;
    }
    mergeChangesOnDisk();
    QStringList lines;
    lines.reserve(m_words.size() * 2);
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        lines.append(m_words.at(i));
        lines.append(m_translations.at(i));
    }
    const std::optional<QByteArray> bytes = encodeTextLines(lines);
    if (!bytes)
        return SaveResult::failure(QStringLiteral("some text cannot be stored in the Windows-1252 code page"));

    const FileSignature before = statFile(m_fileName);
    if (before.exists && (m_backUpBeforeNextSave || bytes->size() < before.size / ShrinkBackupDivisor)) {
        const SaveResult kept = copyFileReplacing(m_fileName, m_fileName + BackupSuffix);
        if (!kept)
            return SaveResult::failure(QStringLiteral("its previous version could not be kept as %1 (%2)")
                                           .arg(m_fileName + BackupSuffix, kept.error));
    }
    const SaveResult written = writeFileAtomically(m_fileName, *bytes);
    if (!written)
        return written;
    remember(*bytes);
    m_backUpBeforeNextSave = false;
    m_savedRevision = m_revision;
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
    changed({true, index});
    UpdateUndoRedoCommands();
}

void PersonalDictionary::DeleteEntry(qint32 index)
{
    if (index < 0 || index >= EntryCount())
        return;
    RecordStep(false, m_words.at(index), m_translations.at(index), index);
    removeEntry(index);
}

void PersonalDictionary::removeEntry(qint32 index)
{
    m_words.removeAt(index);
    m_translations.removeAt(index);
    changed({false, index});
    UpdateUndoRedoCommands();
}

void PersonalDictionary::changed(EntryChange change)
{
    // Enough for any burst between two translations; older ones make the
    // reader take the entries anew.
    constexpr qsizetype JournalLength = 1024;
    if (m_journal.size() == JournalLength) {
        m_journal.removeFirst();
        ++m_journalStart;
    }
    m_journal.append(change);
    ++m_revision;
    if (m_changeListener)
        m_changeListener();
}

void PersonalDictionary::changedWholesale()
{
    ++m_revision;
    m_journal.clear();
    m_journalStart = m_revision;
}

std::optional<QList<EntryChange>> PersonalDictionary::ChangesSince(quint64 revision) const
{
    if (revision < m_journalStart || revision > m_revision)
        return std::nullopt;
    return m_journal.mid(qsizetype(revision - m_journalStart));
}

qint32 PersonalDictionary::stepEntryIndex(const UndoStep &step) const
{
    // Where the step left its entry, unless pairs merged in from disk have
    // moved it since; then the first entry with the same texts.
    const auto holdsStep = [&](qint32 index) {
        return index >= 0 && index < EntryCount() && m_words.at(index) == step.Word
            && m_translations.at(index) == step.Translation;
    };
    if (holdsStep(step.Index))
        return step.Index;
    for (qint32 index = 0; index < EntryCount(); ++index) {
        if (holdsStep(index))
            return index;
    }
    return -1;
}

qint32 PersonalDictionary::stepInsertIndex(const UndoStep &step) const
{
    // The step's own index keeps an entry behind its equal words, which the
    // older steps' indexes rely on; where merged pairs make that index break
    // the order, the sorted place is taken instead.
    const qint32 index = step.Index;
    const bool keepsOrder = index >= 0 && index <= EntryCount() && (index == 0 || m_words.at(index - 1) <= step.Word)
        && (index == EntryCount() || step.Word <= m_words.at(index));
    if (keepsOrder)
        return index;
    return qint32(std::lower_bound(m_words.cbegin(), m_words.cend(), step.Word) - m_words.cbegin());
}

void PersonalDictionary::undoStep(const UndoStep &step)
{
    // Steps are undone strictly in reverse, so the store is as the step left
    // it. A deleted entry goes back to its own index rather than before its
    // equal words: otherwise the older steps' indexes would point at the
    // wrong one of two equal words.
    if (!step.Parts.isEmpty()) {
        for (auto part = step.Parts.crbegin(); part != step.Parts.crend(); ++part)
            undoStep(*part);
    } else if (step.IsInsert) {
        const qint32 index = stepEntryIndex(step);
        if (index >= 0)
            removeEntry(index);
    } else {
        placeEntry(stepInsertIndex(step), step.Word, step.Translation);
    }
}

void PersonalDictionary::redoStep(const UndoStep &step)
{
    if (!step.Parts.isEmpty()) {
        for (const UndoStep &part : step.Parts)
            redoStep(part);
    } else if (step.IsInsert) {
        placeEntry(stepInsertIndex(step), step.Word, step.Translation);
    } else {
        const qint32 index = stepEntryIndex(step);
        if (index >= 0)
            removeEntry(index);
    }
}

void PersonalDictionary::Undo()
{
    if (!canUndo())
        return;
    const bool wasRecording = std::exchange(m_recording, false);
    undoStep(m_history.at(m_historyPosition - 1));
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
    redoStep(m_history.at(m_historyPosition - 1));
    m_recording = wasRecording;
    UpdateUndoRedoCommands();
}

void PersonalDictionary::InsertEntries(const QList<std::pair<QString, QString>> &pairs)
{
    if (pairs.isEmpty())
        return;
    UndoStep group;
    const bool wasRecording = std::exchange(m_recording, false);
    for (const auto &[word, translation] : pairs) {
        const qint32 index = qint32(std::lower_bound(m_words.cbegin(), m_words.cend(), word) - m_words.cbegin());
        placeEntry(index, word, translation);
        group.Parts.append({true, word, translation, index, {}});
    }
    m_recording = wasRecording;
    RecordStep(std::move(group));
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
    RecordStep({isInsert, word, translation, index, {}});
}

void PersonalDictionary::RecordStep(UndoStep step)
{
    if (!m_recording)
        return;
    // A new step makes the undone steps after the current position unreachable.
    m_history.resize(m_historyPosition);
    m_history.append(std::move(step));
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
