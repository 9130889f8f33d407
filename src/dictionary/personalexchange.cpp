#include "dictionary/personalexchange.h"

#include "words/textrules.h"

#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace parlora::exchange {

namespace {

// The column names of the header line; a first line with these is skipped
// on import, in any case.
const QString WordColumn = QStringLiteral("Italiano");
const QString TranslationColumn = QStringLiteral("Português");
constexpr char16_t Tab = u'\t';
constexpr char16_t Quote = u'"';
constexpr char16_t Comma = u',';
const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

QString csvField(const QString &text)
{
    if (!text.contains(Comma) && !text.contains(Quote) && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QString(Quote), QStringLiteral("\"\""));
    return Quote + quoted + Quote;
}

// The records of a CSV text (RFC 4180: quoted fields may hold commas, quotes
// doubled, and line breaks), each with the line it starts on.
QList<std::pair<qsizetype, QStringList>> csvRecords(const QString &text)
{
    QList<std::pair<qsizetype, QStringList>> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    qsizetype line = 1;
    qsizetype recordLine = 1;
    const auto endRecord = [&] {
        if (fieldStarted || !fields.isEmpty() || !field.isEmpty()) {
            fields.append(field);
            records.append({recordLine, fields});
        }
        fields.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == Quote && i + 1 < text.size() && text.at(i + 1) == Quote) {
                field += c;
                ++i;
            } else if (c == Quote) {
                quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
        } else if (c == Quote) {
            quoted = true;
            fieldStarted = true;
        } else if (c == Comma) {
            fields.append(field);
            field.clear();
            fieldStarted = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endRecord();
            recordLine = ++line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    endRecord();
    return records;
}

QList<std::pair<qsizetype, QStringList>> tsvRecords(const QString &text)
{
    QList<std::pair<qsizetype, QStringList>> records;
    qsizetype line = 0;
    for (QStringView row : QStringView(text).split(u'\n')) {
        ++line;
        if (row.endsWith(u'\r'))
            row.chop(1);
        if (row.isEmpty())
            continue;
        QStringList fields;
        for (QStringView field : row.split(Tab))
            fields.append(field.toString());
        records.append({line, fields});
    }
    return records;
}

QList<std::pair<qsizetype, QStringList>> personalFileRecords(const QByteArray &bytes)
{
    TextFileReader file(bytes, LineEnds::Any);
    QList<std::pair<qsizetype, QStringList>> records;
    qsizetype line = 0;
    while (!file.atEnd()) {
        QStringList pair{file.readLine()};
        const qsizetype first = ++line;
        if (!file.atEnd()) {
            pair.append(file.readLine());
            ++line;
        }
        if (pair.size() == 2 || !pair.front().isEmpty())
            records.append({first, pair});
    }
    return records;
}

bool isHeader(const QStringList &fields)
{
    return fields.size() == 2 && fields.at(0).trimmed().compare(WordColumn, Qt::CaseInsensitive) == 0
        && fields.at(1).trimmed().compare(TranslationColumn, Qt::CaseInsensitive) == 0;
}

} // namespace

Format formatForFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return Format::Csv;
    if (suffix == QLatin1String("per"))
        return Format::PersonalFile;
    return Format::Tsv;
}

Export exportPairs(const PersonalDictionary &store, Format format)
{
    Export result;
    QString text;
    const bool csv = format == Format::Csv;
    text += csv ? csvField(WordColumn) + Comma + csvField(TranslationColumn) : WordColumn + Tab + TranslationColumn;
    text += u'\n';
    for (qint32 i = 0; i < store.EntryCount(); ++i) {
        const QString &word = store.Words().at(i);
        const QString &translation = store.Translations().at(i);
        if (csv) {
            text += csvField(word) + Comma + csvField(translation) + u'\n';
        } else if (word.contains(Tab) || translation.contains(Tab)) {
            ++result.leftOut;
            continue;
        } else {
            text += word + Tab + translation + u'\n';
        }
        ++result.written;
    }
    result.bytes = text.toUtf8();
    return result;
}

ImportPlan planImport(const PersonalDictionary &store, const QByteArray &bytes, Format format)
{
    QList<std::pair<qsizetype, QStringList>> records;
    if (format == Format::PersonalFile) {
        records = personalFileRecords(bytes);
    } else {
        const QByteArray body = bytes.startsWith(Utf8ByteOrderMark) ? bytes.sliced(Utf8ByteOrderMark.size()) : bytes;
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8(body);
        // Not UTF-8 after all: a spreadsheet saved in the Windows code page.
        if (utf8.hasError())
            text = QStringDecoder("windows-1252")(body);
        records = format == Format::Csv ? csvRecords(text) : tsvRecords(text);
    }

    QSet<QString> present;
    for (qint32 i = 0; i < store.EntryCount(); ++i)
        present.insert(store.Words().at(i) + u'\n' + store.Translations().at(i));

    ImportPlan plan;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const auto &[line, fields] = records.at(r);
        if (r == 0 && format != Format::PersonalFile && isHeader(fields))
            continue;
        if (fields.size() != 2) {
            plan.refused.append({line, Refusal::NotAPair});
            continue;
        }
        const QString word = words::TrimSpaces(fields.at(0));
        const QString translation = words::TrimSpaces(fields.at(1));
        if (word.isEmpty() || translation.isEmpty()) {
            plan.refused.append({line, Refusal::EmptySide});
        } else if (word.size() > MaxFieldLength || translation.size() > MaxFieldLength) {
            plan.refused.append({line, Refusal::TooLong});
        } else if (!firstUnstorableCharacter(word).isEmpty() || !firstUnstorableCharacter(translation).isEmpty()) {
            plan.refused.append({line, Refusal::UnstorableCharacter});
        } else if (const QString key = word + u'\n' + translation; present.contains(key)) {
            ++plan.alreadyPresent;
        } else {
            present.insert(key);
            plan.toAdd.append({word, translation});
        }
    }
    return plan;
}

} // namespace parlora::exchange
