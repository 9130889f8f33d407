#include "mainwindow/personalentriesmodel.h"

#include "dictionary/personaldictionary.h"
#include "words/searchstate.h"

namespace parlora {

PersonalEntriesModel::PersonalEntriesModel(const PersonalDictionary &store, QObject *parent)
    : QAbstractListModel(parent), m_store(store), m_revision(store.revision()), m_rows(store.EntryCount())
{
}

int PersonalEntriesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant PersonalEntriesModel::data(const QModelIndex &index, int role) const
{
    // Read from the store itself, which is ahead of the rows only while
    // syncWithStore replays its changes, before anything is painted.
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_store.EntryCount())
        return {};
    return m_store.Words().at(index.row()) + words::MatchSeparator + m_store.Translations().at(index.row());
}

void PersonalEntriesModel::syncWithStore()
{
    const quint64 now = m_store.revision();
    if (now == m_revision)
        return;
    const std::optional<QList<EntryChange>> changes = m_store.ChangesSince(m_revision);
    if (!changes)
        return reset();
    for (const EntryChange &change : *changes) {
        // A change that does not fit the rows the views have would corrupt
        // them; taking everything anew is always right.
        const int row = change.index;
        if (row < 0 || row > m_rows || (!change.inserted && row == m_rows))
            return reset();
        if (change.inserted) {
            beginInsertRows({}, row, row);
            ++m_rows;
            endInsertRows();
        } else {
            beginRemoveRows({}, row, row);
            --m_rows;
            endRemoveRows();
        }
    }
    m_revision = now;
    if (m_rows != m_store.EntryCount())
        reset();
}

void PersonalEntriesModel::reset()
{
    beginResetModel();
    m_revision = m_store.revision();
    m_rows = m_store.EntryCount();
    endResetModel();
}

} // namespace parlora
