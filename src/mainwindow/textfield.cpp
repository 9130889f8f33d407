#include "mainwindow/textfield.h"

#include "artwork/controlstyle.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace parlora {

TextField::TextField(QWidget *parent) : QLineEdit(parent)
{
    // A remembered selection means nothing once the text was replaced.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus())
            m_savedStart = -1;
    });
}

void TextField::replaceSelection(const QString &text)
{
    if (!hasSelectedText() && m_savedStart >= 0 && m_savedStart + m_savedLength <= this->text().size())
        setSelection(m_savedStart, m_savedLength);
    m_savedStart = -1;
    insert(text);
}

void TextField::focusOutEvent(QFocusEvent *event)
{
    // The line edit drops its selection on leaving; keep a note of it.
    if (hasSelectedText()) {
        m_savedStart = selectionStart();
        m_savedLength = int(selectedText().size());
    } else {
        m_savedStart = -1;
    }
    QLineEdit::focusOutEvent(event);
}

void TextField::focusInEvent(QFocusEvent *event)
{
    m_savedStart = -1;
    QLineEdit::focusInEvent(event);
}

TextField *makeInputField(QWidget *parent, const char *name)
{
    auto *field = new TextField(parent);
    field->setObjectName(QLatin1String(name));
    field->setFont(controlstyle::fieldFont(field->font()));
    controlstyle::applyTint(field, controlstyle::Tint::Input);
    return field;
}

FieldHeading makeFieldHeading(QWidget *parent, const char *captionName, const char *languageName)
{
    FieldHeading heading;
    heading.caption = controlstyle::makeCaptionLabel(parent, captionName, {});
    heading.language = controlstyle::makeCaptionLabel(parent, languageName, {});
    controlstyle::applyTint(heading.language, controlstyle::Tint::LanguageName);
    heading.row = new QHBoxLayout;
    heading.row->addWidget(heading.caption);
    heading.row->addWidget(heading.language);
    heading.row->addStretch();
    return heading;
}

} // namespace parlora
