#include "mainwindow/keypad.h"

#include "artwork/controlstyle.h"

#include <QGridLayout>
#include <QPushButton>

namespace parlora {

namespace {

constexpr char16_t Letters[KeypadKeyCount] = {
    u'\u00e0', u'\u00e1', u'\u00e2', u'\u00e3', u'\u00e8', u'\u00e9', u'\u00ea', u'\u00e7', u'\u00f1',
    u'\u00ec', u'\u00ed', u'\u00f9', u'\u00fa', u'\u00fb', u'\u00f2', u'\u00f3', u'\u00f5', u'\u00f4',
};

// The keys were designed 31 by 28 pixels around a letter of 18 pixels (13.5
// points); they keep that shape as the letter follows the desktop's font.
constexpr qreal KeyWidthPerLetterSize = 31.0 / 18.0;
constexpr qreal KeyHeightPerLetterSize = 28.0 / 18.0;

} // namespace

Keypad::Keypad(QWidget *parent) : QGroupBox(parent)
{
    const QFont font = controlstyle::keyFont(this->font());
    const int letterSize = QFontInfo(font).pixelSize();
    const QSize keySize(qRound(letterSize * KeyWidthPerLetterSize), qRound(letterSize * KeyHeightPerLetterSize));

    auto *grid = new QGridLayout(this);
    grid->setSpacing(0);
    // The keys sit together in the middle of the frame, however wide it is.
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(KeypadColumns + 1, 1);
    for (int i = 0; i < KeypadKeyCount; ++i) {
        auto *button = new QPushButton(QString(letter(i)), this);
        // One name for the whole row of keys; the index tells them apart.
        button->setObjectName(QStringLiteral("cmdTastoEsp"));
        button->setProperty("index", i);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(font);
        // Not the style's usual minimum width of a push button: eighteen of
        // those would not fit under the window.
        button->setFixedSize(keySize);
        connect(button, &QPushButton::clicked, this, [this, i] { emit letterClicked(QString(letter(i))); });
        grid->addWidget(button, i / KeypadColumns, 1 + i % KeypadColumns);
        m_keys.at(std::size_t(i)) = button;
    }
}

QChar Keypad::letter(int index)
{
    return QChar(Letters[index]);
}

} // namespace parlora
