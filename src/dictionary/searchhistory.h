#pragma once

#include "platform/textfile.h"

#include <QList>
#include <QString>

namespace parlora {

// A query as it was looked up: the text and the language searched.
struct Lookup {
    QString query;
    bool italianSearched = true;
    bool operator==(const Lookup &) const = default;
};

// The queries the user looked up, newest first, each once, kept across runs
// in a small UTF-8 file beside the personal dictionary (one query a line,
// after "it" or "pt" and a tab), written atomically.
class SearchHistory {
public:
    static constexpr qsizetype MaxLookups = 200;

    explicit SearchHistory(QString filePath) : m_filePath(std::move(filePath)) {}

    // A missing file is an empty history; lines that are not a lookup are
    // passed over.
    SaveResult load();
    SaveResult save() const;

    // The lookup goes to the front (moved there if it was already kept); the
    // oldest beyond MaxLookups are forgotten.
    void add(const Lookup &lookup);
    void clear() { m_lookups.clear(); }
    const QList<Lookup> &lookups() const { return m_lookups; }
    const QString &filePath() const { return m_filePath; }

private:
    QString m_filePath;
    QList<Lookup> m_lookups;
};

// The lookups of this session, for going back and forward like a browser.
class LookupTrail {
public:
    // A new lookup drops whatever was ahead of the current one.
    void visit(const Lookup &lookup);
    bool canGoBack() const { return m_current > 0; }
    bool canGoForward() const { return m_current + 1 < m_trail.size(); }
    Lookup back();
    Lookup forward();

private:
    QList<Lookup> m_trail;
    qsizetype m_current = -1;
};

} // namespace parlora
