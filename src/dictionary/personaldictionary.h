#pragma once

#include "platform/textfile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace parlora {

// One edit of the personal dictionary, kept so that it can be undone.
struct UndoStep {
    bool IsInsert = false;
    QString Word;
    QString Translation;
    qint32 Index = 0;
};

// The outcome of InsertEntry: refused when a text cannot be stored in the
// file's code page (it would come back corrupted at the next start).
struct InsertResult {
    bool ok = true;
    QString error;
    explicit operator bool() const { return ok; }
};

// The user's own word pairs, always sorted by Words in binary order (a new
// entry goes before entries with an equal word), with undo and redo of every
// edit of the run.
class PersonalDictionary {
public:
    // Undo history steps count with a 16-bit signed integer; past this, the
    // oldest step is dropped so that the newest ones stay undoable.
    static constexpr int MaxHistoryLength = 32767;

    // Told whenever the undo and redo commands may have to change state.
    using UndoRedoListener = std::function<void(bool canUndo, bool canRedo)>;
    void setUndoRedoListener(UndoRedoListener listener);

    // Replaces the entries with the file's pairs (a lone last line is
    // dropped); history is kept and no step is recorded. Returns false with a
    // reason when the file cannot be read.
    SaveResult LoadPersonalDictionary(const QString &filePath);
    // Writes every entry, word line then translation line, atomically.
    SaveResult SavePersonalDictionary() const;
    const QString &FileName() const { return m_fileName; }

    // Trims U+0020 from both texts (the caller's variables receive the
    // trimmed texts) and inserts in sorted position.
    InsertResult InsertEntry(QString &word, QString &translation);
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
    void UpdateUndoRedoCommands() const;
    void placeEntry(qint32 index, const QString &word, const QString &translation);

    QStringList m_words;
    QStringList m_translations;
    QString m_fileName;
    QList<UndoStep> m_history;
    int m_historyPosition = 0;
    bool m_recording = false;
    UndoRedoListener m_listener;
};

} // namespace parlora
