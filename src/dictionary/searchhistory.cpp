#include "dictionary/searchhistory.h"

#include <QFileInfo>

namespace parlora {

namespace {
const QString Italian = QStringLiteral("it");
const QString Portuguese = QStringLiteral("pt");
constexpr QChar Separator = u'\t';
} // namespace

SaveResult SearchHistory::load()
{
    m_lookups.clear();
    if (!QFileInfo::exists(m_filePath))
        return {};
    const FileBytes file = readDataFile(m_filePath);
    if (!file.ok)
        return SaveResult::failure(file.error);
    const QString text = QString::fromUtf8(file.bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype tab = line.indexOf(Separator);
        const QStringView language = tab > 0 ? line.first(tab) : QStringView();
        const QString query = tab > 0 ? line.sliced(tab + 1).toString() : QString();
        if ((language != Italian && language != Portuguese) || query.trimmed().isEmpty())
            continue;
        const Lookup lookup{query, language == Italian};
        if (!m_lookups.contains(lookup) && m_lookups.size() < MaxLookups)
            m_lookups.append(lookup);
    }
    return {};
}

SaveResult SearchHistory::save() const
{
    QString text;
    for (const Lookup &lookup : m_lookups)
        text += (lookup.italianSearched ? Italian : Portuguese) + Separator + lookup.query + u'\n';
    return writeFileAtomically(m_filePath, text.toUtf8());
}

void SearchHistory::add(const Lookup &lookup)
{
    // A query with a line break would become two lines of the file.
    Lookup kept = lookup;
    kept.query.replace(u'\n', u' ').replace(u'\r', u' ');
    if (kept.query.trimmed().isEmpty())
        return;
    m_lookups.removeAll(kept);
    m_lookups.prepend(kept);
    if (m_lookups.size() > MaxLookups)
        m_lookups.resize(MaxLookups);
}

void LookupTrail::visit(const Lookup &lookup)
{
    if (m_current >= 0 && m_trail.at(m_current) == lookup)
        return;
    m_trail.resize(m_current + 1);
    m_trail.append(lookup);
    m_current = m_trail.size() - 1;
}

Lookup LookupTrail::back()
{
    if (canGoBack())
        --m_current;
    return m_current >= 0 ? m_trail.at(m_current) : Lookup{};
}

Lookup LookupTrail::forward()
{
    if (canGoForward())
        ++m_current;
    return m_current >= 0 ? m_trail.at(m_current) : Lookup{};
}

} // namespace parlora
