#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace parlora::morphology {

// What the base-form lookup asks of a table of forms and rules, whether it
// was read from its text or from the mapped cache of it.
class FormLookup {
public:
    virtual ~FormLookup() = default;
    // The bases listed for the form, in file order.
    virtual QStringList bases(const QString &form) const = 0;
    // The word rewritten by every rule whose ending it has, in file order.
    virtual QStringList rewrites(const QString &word) const = 0;
};

// A base-form table of one language, as written in dic/ital.forms and
// dic/portugal.forms (UTF-8, "#" comments):
//   form<TAB>base      an inflected form and its dictionary form; a form
//                      with several bases has a line for each
//   *end<TAB>*new      a rule: a word longer than "end" that ends in it is
//                      rewritten with "new" in place of that ending
// Everything is compared in lower case.
class FormTable final : public FormLookup {
public:
    struct LoadResult {
        bool ok = true;
        QString error;
        // Lines that are neither a form nor a rule, with their numbers.
        QStringList skippedLines;
    };

    // A missing file is an empty table; a file that exists but cannot be
    // read is an error (and an empty table).
    LoadResult load(const QString &path);
    // The same from text already read.
    LoadResult parse(const QString &text);

    QStringList bases(const QString &form) const override { return m_bases.value(form); }
    QStringList rewrites(const QString &word) const override;

    qsizetype formCount() const { return m_bases.size(); }
    qsizetype ruleCount() const { return m_rules.size(); }

    struct Rule {
        QString ending;
        QString replacement;
    };
    // What the mapped cache stores.
    const QHash<QString, QStringList> &forms() const { return m_bases; }
    const QList<Rule> &rules() const { return m_rules; }

private:

    QHash<QString, QStringList> m_bases;
    QList<Rule> m_rules;
};

} // namespace parlora::morphology
