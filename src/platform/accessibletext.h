#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace parlora {

// What screen readers announce for a control. The texts come from the
// captions and tooltips of the interface language, so they are translated
// with everything else.

// A caption without its access-key marks ("&Parola" reads "Parola"; "&&"
// stays one "&").
QString withoutAccessKey(const QString &caption);

// A field's name from its heading and the language label beside it:
// "Parola (Italiano)".
QString labelled(const QLabel *heading, const QLabel *language);

// Sets the accessible name and description; an empty description takes the
// control's tooltip.
void describe(QWidget *control, const QString &name, const QString &description = {});

} // namespace parlora
