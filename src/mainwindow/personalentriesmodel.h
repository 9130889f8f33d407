#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace parlora {

class PersonalDictionary;

// The personal dictionary's entries as list rows, "word --> translation",
// read from the store on demand: no item per entry is kept, so a dictionary
// of tens of thousands of pairs costs the views nothing extra.
class PersonalEntriesModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PersonalEntriesModel(const PersonalDictionary &store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The store has changed: the views are told exactly what changed, one
    // row inserted or removed for an edit, undo or redo (so they keep their
    // scroll position), everything anew for anything larger such as pairs
    // merged in from disk.
    void syncWithStore();

private:
    enum class Change { None, Inserted, Removed, Other };
    Change findChange(qsizetype &row) const;

    const PersonalDictionary &m_store;
    // The entries as the views know them. They share their data with the
    // store's lists until the store changes.
    QStringList m_words;
    QStringList m_translations;
};

} // namespace parlora
