#include "platform/accessibletext.h"

#include <QLabel>

namespace parlora {

QString withoutAccessKey(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 == caption.size())
                break;
            ++i;
        }
        text.append(caption.at(i));
    }
    return text;
}

QString labelled(const QLabel *heading, const QLabel *language)
{
    return withoutAccessKey(heading->text()).trimmed() + QLatin1Char(' ') + language->text();
}

void describe(QWidget *control, const QString &name, const QString &description)
{
    control->setAccessibleName(withoutAccessKey(name));
    control->setAccessibleDescription(description.isEmpty() ? control->toolTip() : description);
}

} // namespace parlora
