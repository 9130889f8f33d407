#pragma once

#include "morphology/formtable.h"
#include "platform/mappedfile.h"

#include <QFile>

#include <memory>
#include <optional>
#include <vector>

namespace parlora::morphology {

// A base-form table kept in the user's cache folder in a form that is mapped
// into memory and searched where it lies, so that a lookup from the terminal
// does not parse the whole table for one word. Like the dictionary's index
// file it names the table it was made from (size and modification time), and
// one that is stale, cut short or damaged is refused, never trusted.
class MappedFormTable final : public FormLookup {
public:
    using Stamp = SourceStamp;
    static std::optional<Stamp> stampOf(const QString &tableFile);
    static QByteArray serialize(const Stamp &stamp, const FormTable &table);

    static std::unique_ptr<MappedFormTable> open(const QString &cacheFile, const Stamp &stamp);
    static std::unique_ptr<MappedFormTable> fromBytes(const QByteArray &bytes, const Stamp &stamp);
    ~MappedFormTable() override;

    QStringList bases(const QString &form) const override;
    QStringList rewrites(const QString &word) const override;

private:
    struct Layout;
    MappedFormTable();
    bool attach(const uchar *data, qint64 size, const Stamp &stamp);

    std::unique_ptr<QFile> m_file;
    std::vector<quint64> m_aligned;
    std::unique_ptr<Layout> m_layout;
};

// Where the cache of a table file is kept in a cache folder.
QString cachedTablePath(const QString &cacheFolder, const QString &tableFile);

} // namespace parlora::morphology
