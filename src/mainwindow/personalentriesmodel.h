#pragma once

#include <QAbstractListModel>

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

    // The store has changed: the views are told exactly which rows came and
    // went, one by one as the store made them (so they keep their scroll
    // position), or everything anew when the store no longer knows its
    // single changes, as after pairs merged in from disk.
    void syncWithStore();

private:
    void reset();

    const PersonalDictionary &m_store;
    // The store's revision and number of entries as the views know them.
    quint64 m_revision = 0;
    int m_rows = 0;
};

} // namespace parlora
