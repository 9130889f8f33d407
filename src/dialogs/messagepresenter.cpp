#include "dialogs/messagepresenter.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace parlora {

MessagePresenter plainMessageBox()
{
    return [](QWidget *parent, const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                        parent);
        box.setTextFormat(Qt::PlainText);
        // An address in the text can be copied from the box.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.exec();
    };
}

} // namespace parlora
