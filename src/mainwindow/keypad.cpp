#include "mainwindow/keypad.h"

#include "platform/twips.h"

#include <QPushButton>

namespace parlora {

namespace {

constexpr char16_t Letters[KeypadKeyCount] = {
    u'\u00e0', u'\u00e1', u'\u00e2', u'\u00e3', u'\u00e8', u'\u00e9', u'\u00ea', u'\u00e7', u'\u00f1',
    u'\u00ec', u'\u00ed', u'\u00f9', u'\u00fa', u'\u00fb', u'\u00f2', u'\u00f3', u'\u00f5', u'\u00f4',
};

// Places inside the frame, in twips.
constexpr int ColumnLefts[KeypadColumns] = {525, 975, 1425, 1875, 2325, 2775, 3225, 3675, 4125};
constexpr int RowTops[] = {180, 600};
constexpr int KeyWidth = 465;
constexpr int KeyHeight = 420;
constexpr qreal KeyFontPoints = 13.5;

} // namespace

Keypad::Keypad(QWidget *parent) : QGroupBox(parent)
{
    QFont keyFont = font();
    keyFont.setBold(true);
    keyFont.setPointSizeF(KeyFontPoints);
    for (int i = 0; i < KeypadKeyCount; ++i) {
        auto *button = new QPushButton(QString(letter(i)), this);
        // One name for the whole row of keys; the index tells them apart.
        button->setObjectName(QStringLiteral("cmdTastoEsp"));
        button->setProperty("index", i);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(keyFont);
        button->setGeometry(twips(ColumnLefts[i % KeypadColumns]), twips(RowTops[i / KeypadColumns]), twips(KeyWidth),
                            twips(KeyHeight));
        connect(button, &QPushButton::clicked, this, [this, i] { emit letterClicked(QString(letter(i))); });
        m_keys.at(std::size_t(i)) = button;
    }
}

QChar Keypad::letter(int index)
{
    return QChar(Letters[index]);
}

} // namespace parlora
