#include "morphology/mappedformtable.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <span>

namespace parlora::morphology {

namespace {

constexpr char Magic[8] = {'P', 'A', 'R', 'L', 'F', 'R', 'M', '\1'};
constexpr quint32 FormatVersion = 1;
constexpr qsizetype NameHashLength = 16;

using mapped::Region;
using mapped::TextRef;

struct Header {
    char magic[8];
    quint32 version;
    quint32 padding;
    quint64 fileSize;
    qint64 sourceSize;
    qint64 sourceModified;
    Region strings; // char16_t
    Region refs;    // TextRef: the bases of every form, one after another
    Region forms;   // Form, sorted by key
    Region rules;   // Rule, in file order
};

struct Form {
    TextRef key;
    quint32 basesOffset; // in refs
    quint32 basesCount;
};

struct Rule {
    TextRef ending;
    TextRef replacement;
};

} // namespace

struct MappedFormTable::Layout {
    const uchar *data = nullptr;
    Header header{};

    template <typename T>
    std::span<const T> region(const Region &where) const
    {
        return mapped::elements<T>(data, where);
    }
    QStringView text(const TextRef &ref) const { return mapped::text(region<char16_t>(header.strings), ref); }
};

std::optional<MappedFormTable::Stamp> MappedFormTable::stampOf(const QString &tableFile)
{
    return sourceStampOf(tableFile);
}

QByteArray MappedFormTable::serialize(const Stamp &stamp, const FormTable &table)
{
    QString strings;
    const auto text = [&](QStringView value) {
        const TextRef ref{quint32(strings.size()), quint32(value.size())};
        strings.append(value);
        return ref;
    };
    QStringList keys = table.forms().keys();
    std::sort(keys.begin(), keys.end());
    QList<TextRef> refs;
    QList<Form> forms;
    for (const QString &key : std::as_const(keys)) {
        const QStringList &bases = table.forms().value(key);
        forms.append({text(key), quint32(refs.size()), quint32(bases.size())});
        for (const QString &base : bases)
            refs.append(text(base));
    }
    QList<Rule> rules;
    for (const FormTable::Rule &rule : table.rules())
        rules.append({text(rule.ending), text(rule.replacement)});

    Header header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.version = FormatVersion;
    header.sourceSize = stamp.size;
    header.sourceModified = stamp.modifiedNanoseconds;
    QByteArray file(sizeof(Header), '\0');
    header.strings = mapped::append(file, reinterpret_cast<const char16_t *>(strings.constData()), strings.size());
    header.refs = mapped::append(file, refs.constData(), refs.size());
    header.forms = mapped::append(file, forms.constData(), forms.size());
    header.rules = mapped::append(file, rules.constData(), rules.size());
    header.fileSize = quint64(file.size());
    std::memcpy(file.data(), &header, sizeof header);
    return file;
}

MappedFormTable::MappedFormTable() : m_layout(std::make_unique<Layout>()) {}
MappedFormTable::~MappedFormTable() = default;

bool MappedFormTable::attach(const uchar *data, qint64 size, const Stamp &stamp)
{
    if (!data || size < qint64(sizeof(Header)))
        return false;
    Header header;
    std::memcpy(&header, data, sizeof header);
    if (std::memcmp(header.magic, Magic, sizeof Magic) != 0 || header.version != FormatVersion
        || header.fileSize != quint64(size) || Stamp{header.sourceSize, header.sourceModified} != stamp
        || !mapped::fits(header.strings, size, sizeof(char16_t)) || !mapped::fits(header.refs, size, sizeof(TextRef))
        || !mapped::fits(header.forms, size, sizeof(Form)) || !mapped::fits(header.rules, size, sizeof(Rule)))
        return false;
    m_layout->data = data;
    m_layout->header = header;
    return true;
}

std::unique_ptr<MappedFormTable> MappedFormTable::open(const QString &cacheFile, const Stamp &stamp)
{
    std::unique_ptr<MappedFormTable> mapped(new MappedFormTable);
    mapped->m_file = std::make_unique<QFile>(cacheFile);
    if (!QFileInfo(cacheFile).isFile() || !mapped->m_file->open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 size = mapped->m_file->size();
    const uchar *data = size > 0 ? mapped->m_file->map(0, size) : nullptr;
    if (!mapped->attach(data, size, stamp))
        return nullptr;
    return mapped;
}

std::unique_ptr<MappedFormTable> MappedFormTable::fromBytes(const QByteArray &bytes, const Stamp &stamp)
{
    std::unique_ptr<MappedFormTable> mapped(new MappedFormTable);
    mapped->m_aligned.resize((std::size_t(bytes.size()) + sizeof(quint64) - 1) / sizeof(quint64));
    if (!bytes.isEmpty())
        std::memcpy(mapped->m_aligned.data(), bytes.constData(), std::size_t(bytes.size()));
    if (!mapped->attach(reinterpret_cast<const uchar *>(mapped->m_aligned.data()), bytes.size(), stamp))
        return nullptr;
    return mapped;
}

QStringList MappedFormTable::bases(const QString &form) const
{
    const std::span<const Form> forms = m_layout->region<Form>(m_layout->header.forms);
    const auto it = std::lower_bound(forms.begin(), forms.end(), QStringView(form),
                                     [this](const Form &entry, QStringView key) { return m_layout->text(entry.key) < key; });
    if (it == forms.end() || m_layout->text(it->key) != form)
        return {};
    const std::span<const TextRef> refs = m_layout->region<TextRef>(m_layout->header.refs);
    QStringList found;
    if (it->basesOffset > refs.size() || it->basesCount > refs.size() - it->basesOffset)
        return found;
    for (quint32 i = 0; i < it->basesCount; ++i)
        found.append(m_layout->text(refs[it->basesOffset + i]).toString());
    return found;
}

QStringList MappedFormTable::rewrites(const QString &word) const
{
    QStringList rewritten;
    for (const Rule &rule : m_layout->region<Rule>(m_layout->header.rules)) {
        const QStringView ending = m_layout->text(rule.ending);
        if (ending.isEmpty() || word.size() <= ending.size() || !word.endsWith(ending))
            continue;
        QString candidate = word.chopped(ending.size()) + m_layout->text(rule.replacement).toString();
        if (!rewritten.contains(candidate))
            rewritten.append(std::move(candidate));
    }
    return rewritten;
}

QString cachedTablePath(const QString &cacheFolder, const QString &tableFile)
{
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(QDir().absoluteFilePath(tableFile)).toUtf8(),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(NameHashLength);
    return cacheFolder + QStringLiteral("/forms-") + QString::fromLatin1(hash) + QStringLiteral(".bin");
}

} // namespace parlora::morphology
