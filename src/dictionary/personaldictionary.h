#pragma once

#include "platform/textfile.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace parlora {

// One edit of the personal dictionary, kept so that it can be undone.
struct UndoStep {
    bool IsInsert = false;
    QString Word;
    QString Translation;
    qint32 Index = 0;
    // A step of many edits at once (an import): its parts, in the order made.
    QList<UndoStep> Parts;
};

// The outcome of InsertEntry: refused when a text cannot be stored in the
// file's code page (it would come back corrupted at the next start).
struct InsertResult {
    bool ok = true;
    QString error;
    // The character that was refused, for a message in the user's language.
    QString refusedCharacter;
    explicit operator bool() const { return ok; }
};

// What loading the file found, for the warnings the window gives.
struct PersonalLoadReport {
    qint64 bytes = 0;
    qint32 pairs = 0;
    // The file ended on a word without its translation line; it was kept as
    // a pair with an empty translation.
    bool unpairedLastLine = false;
    // Bytes that gave no pair at all: a file of another kind, or damaged.
    bool notUnderstood() const { return bytes > 0 && pairs == 0; }
};

// The first character of the text that the file could not hold faithfully:
// one outside Windows-1252 (it would come back as something else), or a
// line break (it would split the entry into two lines). Empty when all of
// the text can be stored.
QString firstUnstorableCharacter(const QString &text);

// One change of the entries: a pair put in at an index, or taken out of it.
struct EntryChange {
    bool inserted = false;
    qint32 index = 0;
};

// The state of the file as this store last read or wrote it, to notice that
// another program changed it meanwhile.
struct FileSignature {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray digest;
};

// The user's own word pairs, always sorted by Words in binary order (a new
// entry goes before entries with an equal word), with undo and redo of every
// edit of the run.
//
// The file is never replaced blindly: a save first looks whether the file
// changed on disk since it was loaded or last saved (another Parlora, a sync
// tool) and merges the pairs found there; a file that shrinks to less than
// half, or that held bytes this store could not read as pairs, is kept as
// FILE.bak before it is replaced.
class PersonalDictionary {
public:
    // Undo history steps count with a 16-bit signed integer; past this, the
    // oldest step is dropped so that the newest ones stay undoable.
    static constexpr int MaxHistoryLength = 32767;

    // Told whenever the undo and redo commands may have to change state.
    using UndoRedoListener = std::function<void(bool canUndo, bool canRedo)>;
    void setUndoRedoListener(UndoRedoListener listener);

    // Told after every change of the entries (edits, undo, redo, a merge),
    // so that they can be saved soon.
    using ChangeListener = std::function<void()>;
    void setChangeListener(ChangeListener listener);

    // Replaces the entries with the file's pairs; history is kept and no
    // step is recorded. CR, CR LF and LF all end a line here, and a last line
    // without its translation becomes a pair with an empty translation.
    // Returns false with the reason when the file cannot be read.
    SaveResult LoadPersonalDictionary(const QString &filePath);
    // An empty store for a file that does not exist yet; the first save
    // creates it.
    void StartNew(const QString &filePath);
    const PersonalLoadReport &LastLoadReport() const { return m_loadReport; }
    // Writes every entry, word line then translation line, atomically, after
    // merging in the pairs another program saved meanwhile. Returns false
    // with the reason when the file could not be written.
    SaveResult SavePersonalDictionary();
    const QString &FileName() const { return m_fileName; }
    // Whether the entries differ from what the file held at the last load
    // or save.
    bool isModified() const { return m_revision != m_savedRevision; }
    // Changes with every change of the entries, also when a save merges in
    // pairs from disk: whoever shows the entries compares it.
    quint64 revision() const { return m_revision; }
    // The single changes since a revision, oldest first, for whoever keeps
    // something in step with the entries (a search index, a list view);
    // nothing when they are no longer known (a load, a merge, too many) and
    // the entries must be taken anew.
    std::optional<QList<EntryChange>> ChangesSince(quint64 revision) const;

    // Trims U+0020 from both texts (the caller's variables receive the
    // trimmed texts) and inserts in sorted position.
    InsertResult InsertEntry(QString &word, QString &translation);
    // Inserts pairs already checked (trimmed, storable) as one step that a
    // single undo takes back; an empty list records nothing.
    void InsertEntries(const QList<std::pair<QString, QString>> &pairs);
    void DeleteEntry(qint32 index);
    void Undo();
    void Redo();

    bool canUndo() const { return m_historyPosition >= 1; }
    bool canRedo() const { return m_historyPosition < HistoryLength(); }

    // One line per entry: word + " --> " + translation.
    QStringList RenderEntries() const;
    qint32 EntryCount() const { return qint32(m_words.size()); }
    const QStringList &Words() const { return m_words; }
    const QStringList &Translations() const { return m_translations; }

    const QList<UndoStep> &History() const { return m_history; }
    int HistoryLength() const { return int(m_history.size()); }
    int HistoryPosition() const { return m_historyPosition; }
    bool Recording() const { return m_recording; }

private:
    void RecordStep(bool isInsert, const QString &word, const QString &translation, qint32 index);
    void RecordStep(UndoStep step);
    void UpdateUndoRedoCommands() const;
    using PairList = std::vector<std::pair<QString, QString>>;
    void setEntries(PairList entries);
    void placeEntry(qint32 index, const QString &word, const QString &translation);
    void removeEntry(qint32 index);
    void changed(EntryChange change);
    void changedWholesale();
    qint32 stepEntryIndex(const UndoStep &step) const;
    void undoStep(const UndoStep &step);
    void redoStep(const UndoStep &step);
    qint32 stepInsertIndex(const UndoStep &step) const;
    bool mergeChangesOnDisk();
    void remember(const QByteArray &bytes);

    QStringList m_words;
    QStringList m_translations;
    QString m_fileName;
    QList<UndoStep> m_history;
    int m_historyPosition = 0;
    bool m_recording = false;
    UndoRedoListener m_listener;
    ChangeListener m_changeListener;

    PersonalLoadReport m_loadReport;
    // The file as last loaded or saved, and the pairs it held then.
    FileSignature m_disk;
    QStringList m_syncedWords;
    QStringList m_syncedTranslations;
    bool m_backUpBeforeNextSave = false;
    // The file exists but could not be read: never written until it can.
    bool m_unreadable = false;
    quint64 m_revision = 0;
    quint64 m_savedRevision = 0;
    // The last changes, m_journal[i] made revision m_journalStart + i + 1.
    QList<EntryChange> m_journal;
    quint64 m_journalStart = 0;
};

} // namespace parlora
