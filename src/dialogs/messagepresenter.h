#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace parlora {

// Shows a message to the user and returns when it has been read. Windows take
// one of these so tests can record the text instead of waiting for a click.
using MessagePresenter = std::function<void(QWidget *parent, const QString &text)>;

// A message box with the application's title, no icon and one OK button.
MessagePresenter plainMessageBox();

} // namespace parlora
