#include "mainwindow/lookuphistory.h"

#include "mainwindow/parlorasession.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>

namespace parlora {

namespace {

// The completion is the query alone; the list shows its language too.
constexpr int QueryRole = Qt::UserRole;
constexpr int ItalianSearchedRole = Qt::UserRole + 1;
constexpr int VisibleQueries = 10;

Lookup lookupAt(const QModelIndex &index)
{
    return {index.data(QueryRole).toString(), index.data(ItalianSearchedRole).toBool()};
}

} // namespace

LookupHistory::LookupHistory(ParloraSession &session, QLineEdit *input, QObject *parent)
    : QObject(parent), m_session(session), m_input(input), m_model(new QStandardItemModel(this)),
      m_completer(new QCompleter(m_model, this))
{
    m_completer->setObjectName(QStringLiteral("cmpCronologia"));
    m_completer->setCompletionRole(QueryRole);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setFilterMode(Qt::MatchStartsWith);
    // Newest first, as the history keeps them.
    m_completer->setModelSorting(QCompleter::UnsortedModel);
    m_completer->setMaxVisibleItems(VisibleQueries);
    m_input->setCompleter(m_completer);
    m_completer->popup()->setObjectName(QStringLiteral("lstCronologia"));
    // Installed after the completer's own filter, so it sees the keys first.
    m_completer->popup()->installEventFilter(this);
    m_input->installEventFilter(this);
    connect(m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &index) { choose(lookupAt(index)); });
}

void LookupHistory::setActions(QAction *back, QAction *forward, QAction *clear)
{
    m_back = back;
    m_forward = forward;
    connect(back, &QAction::triggered, this, &LookupHistory::goBack);
    connect(forward, &QAction::triggered, this, &LookupHistory::goForward);
    connect(clear, &QAction::triggered, this, &LookupHistory::clear);
    updateTrailActions();
}

void LookupHistory::setListName(const QString &name)
{
    m_completer->popup()->setAccessibleName(name);
}

void LookupHistory::refill()
{
    const LanguagePair &pair = m_session.languagePair;
    m_model->clear();
    for (const Lookup &lookup : m_session.searchHistory.lookups()) {
        auto *item = new QStandardItem(QStringLiteral("%1 (%2)").arg(
            lookup.query, lookup.italianSearched ? pair.Language1Name : pair.Language2Name));
        item->setData(lookup.query, QueryRole);
        item->setData(lookup.italianSearched, ItalianSearchedRole);
        item->setEditable(false);
        m_model->appendRow(item);
    }
}

void LookupHistory::record(const Lookup &lookup)
{
    // The list offered while typing has served its purpose.
    m_completer->popup()->hide();
    m_session.searchHistory.add(lookup);
    m_session.lookupTrail.visit(lookup);
    refill();
    updateTrailActions();
    emit changed();
}

void LookupHistory::showDropDown()
{
    const QString text = m_input->text();
    const bool wholeTextSelected = m_input->selectedText() == text;
    m_completer->setCompletionPrefix(wholeTextSelected ? QString() : text);
    m_completer->complete();
}

void LookupHistory::goBack()
{
    step(false);
}

void LookupHistory::goForward()
{
    step(true);
}

void LookupHistory::step(bool forward)
{
    LookupTrail &trail = m_session.lookupTrail;
    if (!(forward ? trail.canGoForward() : trail.canGoBack()))
        return;
    const Lookup lookup = forward ? trail.forward() : trail.back();
    updateTrailActions();
    emit lookUpRequested(lookup, false);
}

void LookupHistory::clear()
{
    m_session.searchHistory.clear();
    m_session.lookupTrail = LookupTrail();
    m_completer->popup()->hide();
    refill();
    updateTrailActions();
    emit changed();
}

void LookupHistory::choose(const Lookup &lookup)
{
    m_completer->popup()->hide();
    if (!lookup.query.isEmpty())
        emit lookUpRequested(lookup, true);
}

void LookupHistory::updateTrailActions()
{
    if (m_back)
        m_back->setEnabled(m_session.lookupTrail.canGoBack());
    if (m_forward)
        m_forward->setEnabled(m_session.lookupTrail.canGoForward());
}

bool LookupHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_input && key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier) {
        showDropDown();
        return true;
    }
    // Enter in the list looks up the query chosen there, or what was typed
    // when none is chosen; either way once, and in the query's own
    // direction.
    if (watched == m_completer->popup() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        if (!key->isAutoRepeat()) {
            const QModelIndex current = m_completer->popup()->currentIndex();
            choose(current.isValid() ? lookupAt(current)
                                     : Lookup{m_input->text(), m_session.settings.Direction});
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace parlora
