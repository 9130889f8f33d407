#include "mainwindow/personalentriesmodel.h"

#include "dictionary/personaldictionary.h"
#include "words/searchstate.h"

namespace parlora {

PersonalEntriesModel::PersonalEntriesModel(const PersonalDictionary &store, QObject *parent)
    : QAbstractListModel(parent), m_store(store), m_words(store.Words()), m_translations(store.Translations())
{
}

int PersonalEntriesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_words.size());
}

QVariant PersonalEntriesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_words.size())
        return {};
    return m_words.at(index.row()) + words::MatchSeparator + m_translations.at(index.row());
}

PersonalEntriesModel::Change PersonalEntriesModel::findChange(qsizetype &row) const
{
    const QStringList &words = m_store.Words();
    const QStringList &translations = m_store.Translations();
    const qsizetype known = m_words.size();
    const qsizetype now = words.size();
    const auto same = [&](qsizetype knownRow, qsizetype nowRow) {
        return m_words.at(knownRow) == words.at(nowRow) && m_translations.at(knownRow) == translations.at(nowRow);
    };
    if (now != known && now != known + 1 && now != known - 1)
        return Change::Other;
    const qsizetype common = std::min(known, now);
    row = 0;
    while (row < common && same(row, row))
        ++row;
    if (now == known)
        return row == known ? Change::None : Change::Other;
    // Everything after the one row must have moved by one place.
    const qsizetype shift = now > known ? 1 : -1;
    for (qsizetype after = now > known ? row : row + 1; after < known; ++after) {
        if (!same(after, after + shift))
            return Change::Other;
    }
    return now > known ? Change::Inserted : Change::Removed;
}

void PersonalEntriesModel::syncWithStore()
{
    qsizetype row = 0;
    const Change change = findChange(row);
    switch (change) {
    case Change::None: return;
    case Change::Inserted: beginInsertRows({}, int(row), int(row)); break;
    case Change::Removed: beginRemoveRows({}, int(row), int(row)); break;
    case Change::Other: beginResetModel(); break;
    }
    m_words = m_store.Words();
    m_translations = m_store.Translations();
    switch (change) {
    case Change::None: break;
    case Change::Inserted: endInsertRows(); break;
    case Change::Removed: endRemoveRows(); break;
    case Change::Other: endResetModel(); break;
    }
}

} // namespace parlora
