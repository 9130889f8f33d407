#include "morphology/stemanswers.h"

#include "platform/textfile.h"

#include <QFile>

#include <algorithm>

namespace parlora::morphology {

namespace {
constexpr char FieldSeparator = '\t';
constexpr char LineEnd = '\n';

bool fitsOnALine(const QString &text)
{
    return !text.isEmpty() && !text.contains(QLatin1Char(FieldSeparator)) && !text.contains(QLatin1Char(LineEnd))
        && !text.contains(QLatin1Char('\r'));
}
} // namespace

StemAnswers::StemAnswers(QString file) : m_file(std::move(file)) {}

const QByteArray &StemAnswers::contents() const
{
    std::call_once(m_read, [this] {
        // Searched as "\n" + word + "\t", so the first line is found too.
        const FileBytes read = readDataFile(m_file);
        if (read.ok && read.bytes.size() <= MaxFileBytes)
            m_contents = LineEnd + read.bytes;
    });
    return m_contents;
}

std::optional<QStringList> StemAnswers::find(const QString &word) const
{
    if (!fitsOnALine(word))
        return std::nullopt;
    const QByteArray &bytes = contents();
    const QByteArray key = LineEnd + word.toUtf8() + FieldSeparator;
    const qsizetype start = bytes.indexOf(key);
    if (start < 0)
        return std::nullopt;
    const qsizetype end = bytes.indexOf(LineEnd, start + 1);
    // A line cut short (another program still writing it) is no answer.
    if (end < 0)
        return std::nullopt;
    const QByteArray fields = bytes.mid(start + key.size(), end - start - key.size());
    QStringList stems;
    if (!fields.isEmpty()) {
        for (const QByteArray &stem : fields.split(FieldSeparator))
            stems.append(QString::fromUtf8(stem));
    }
    return stems;
}

void StemAnswers::remember(const QString &word, const QStringList &stems)
{
    if (!fitsOnALine(word) || !std::all_of(stems.cbegin(), stems.cend(), fitsOnALine))
        return;
    // The word always ends with a tab, even when Hunspell knows no stem.
    QByteArray line = word.toUtf8() + FieldSeparator + stems.join(QLatin1Char(FieldSeparator)).toUtf8() + LineEnd;

    const std::lock_guard lock(m_appending);
    // After a line cut short, start a line of our own.
    if (contents().size() > 1 && !contents().endsWith(LineEnd))
        line.prepend(LineEnd);
    QFile file(m_file);
    if (file.size() + line.size() > MaxFileBytes)
        return;
    // One write in append mode: programs answering at the same time add
    // whole lines one after the other.
    if (file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(line) == line.size())
        m_contents += line;
}

} // namespace parlora::morphology
