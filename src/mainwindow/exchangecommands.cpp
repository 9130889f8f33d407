#include "mainwindow/exchangecommands.h"

#include "localisation/builtinmessages.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"
#include "platform/accessibletext.h"
#include "platform/textfile.h"

#include <QDir>
#include <QWidget>

namespace parlora {

namespace {

// Enough refused lines to see what went wrong; the rest are counted.
constexpr qsizetype ListedRefusals = 5;
const QString SuggestedExportName = QStringLiteral("parlora-personal.tsv");
const QString Paragraph = QStringLiteral("\n\n");

// The personal dictionary's own format: a word line and a translation line
// per pair, in Windows-1252 with CR LF, as another installation reads it.
// Nothing when a pair cannot be written so (the store should not hold one).
std::optional<exchange::Export> personalFileExport(const PersonalDictionary &store)
{
    QStringList lines;
    lines.reserve(2 * store.EntryCount());
    for (qint32 i = 0; i < store.EntryCount(); ++i)
        lines << store.Words().at(i) << store.Translations().at(i);
    std::optional<QByteArray> bytes = encodeTextLines(lines);
    if (!bytes)
        return std::nullopt;
    return exchange::Export{*std::move(bytes), store.EntryCount(), 0};
}

} // namespace

ExchangeCommands::ExchangeCommands(ParloraSession &session, UserPrompts &prompts, QWidget *window)
    : QObject(window), m_session(session), m_prompts(prompts), m_window(window)
{
}

void ExchangeCommands::setStatusDisplay(std::function<void(const QString &)> display)
{
    m_showStatus = std::move(display);
}

QString ExchangeCommands::title(int commandMessage) const
{
    // The menu command names the dialog, without its access key and dots.
    QString text = withoutAccessKey(m_session.message(commandMessage));
    while (text.endsWith(u'.') || text.endsWith(u'\u2026'))
        text.chop(1);
    return text.trimmed();
}

QString ExchangeCommands::filter(int nameMessage, const char *patterns) const
{
    return QStringLiteral("%1 (%2)").arg(m_session.message(nameMessage), QLatin1String(patterns));
}

void ExchangeCommands::exportDictionary()
{
    if (!m_session.dataLoaded())
        return;
    const QString file = m_prompts.fileToSave(
        m_window, title(Message::ExportCommand),
        {filter(Message::TsvFilter, "*.tsv *.txt"), filter(Message::CsvFilter, "*.csv"),
         filter(Message::PersonalFileFilter, "*.per")},
        SuggestedExportName);
    if (file.isEmpty())
        return;
    const PersonalDictionary &store = m_session.personalDictionary;
    const exchange::Format format = exchange::formatForFile(file);
    const std::optional<exchange::Export> encoded = format == exchange::Format::PersonalFile
        ? personalFileExport(store)
        : exchange::exportPairs(store, format);
    const QString shownFile = QDir::toNativeSeparators(file);
    const exchange::Export exported = encoded.value_or(exchange::Export{});
    const SaveResult written = encoded ? writeFileAtomically(file, exported.bytes)
                                       : SaveResult::failure(m_session.message(Message::RefusedUnstorable));
    if (!written) {
        m_prompts.warning(m_window, title(Message::ExportCommand),
                          m_session.message(Message::FileNotWritten).arg(shownFile, written.error));
        return;
    }
    if (m_showStatus)
        m_showStatus(m_session.message(Message::ExportDone).arg(shownFile, QString::number(exported.written)));
    if (exported.leftOut > 0)
        m_prompts.warning(m_window, title(Message::ExportCommand),
                          m_session.message(Message::ExportLeftOut).arg(exported.leftOut));
}

void ExchangeCommands::importDictionary()
{
    if (!m_session.dataLoaded())
        return;
    const QString dialogTitle = title(Message::ImportCommand);
    const QString file = m_prompts.fileToOpen(
        m_window, dialogTitle,
        {filter(Message::TsvFilter, "*.tsv *.txt"), filter(Message::CsvFilter, "*.csv"),
         filter(Message::PersonalFileFilter, "*.per")});
    if (file.isEmpty())
        return;
    const QString shownFile = QDir::toNativeSeparators(file);
    const FileBytes read = readDataFile(file);
    if (!read.ok) {
        m_prompts.warning(m_window, dialogTitle, m_session.message(Message::FileNotRead).arg(shownFile, read.error));
        return;
    }
    PersonalDictionary &store = m_session.personalDictionary;
    const exchange::Format format = exchange::formatForFile(file);
    exchange::ImportPlan plan = exchange::planImport(store, read.bytes, format);
    const QString description = describePlan(shownFile, plan);
    if (plan.toAdd.isEmpty()) {
        m_prompts.inform(m_window, dialogTitle, description + Paragraph + m_session.message(Message::NothingToImport));
        return;
    }
    if (!m_prompts.confirm(m_window, dialogTitle, description + Paragraph + m_session.message(Message::ImportQuestion),
                           m_session.message(Message::ImportAccept), m_session.message(Message::ImportReject)))
        return;
    // A save while the question was open may have merged pairs from disk;
    // they are not added twice.
    plan = exchange::planImport(store, read.bytes, format);
    store.InsertEntries(plan.toAdd);
    if (m_showStatus)
        m_showStatus(m_session.message(Message::ImportDone).arg(shownFile, QString::number(plan.toAdd.size())));
    emit imported();
}

QString ExchangeCommands::describePlan(const QString &file, const exchange::ImportPlan &plan) const
{
    QStringList lines{file, QString(),
                      m_session.message(Message::ImportCounts)
                          .arg(QString::number(plan.toAdd.size()), QString::number(plan.alreadyPresent),
                               QString::number(plan.refused.size()))};
    for (qsizetype i = 0; i < std::min(plan.refused.size(), ListedRefusals); ++i) {
        const exchange::RefusedLine &refused = plan.refused.at(i);
        lines << m_session.message(Message::RefusedLine)
                     .arg(QString::number(refused.line), refusalText(refused.reason));
    }
    if (plan.refused.size() > ListedRefusals)
        lines << m_session.message(Message::MoreRefused).arg(plan.refused.size() - ListedRefusals);
    return lines.join(u'\n');
}

QString ExchangeCommands::refusalText(exchange::Refusal reason) const
{
    switch (reason) {
    case exchange::Refusal::UnstorableCharacter: return m_session.message(Message::RefusedUnstorable);
    case exchange::Refusal::EmptySide: return m_session.message(Message::RefusedEmptySide);
    case exchange::Refusal::TooLong: return m_session.message(Message::RefusedTooLong);
    case exchange::Refusal::NotAPair: break;
    }
    return m_session.message(Message::RefusedNotAPair);
}

} // namespace parlora
