#pragma once

#include <QGroupBox>

#include <array>

class QPushButton;

namespace parlora {

// The accented letters the keypad offers, in key order (two rows of nine).
inline constexpr int KeypadKeyCount = 18;
inline constexpr int KeypadColumns = 9;

// The keypad frame: 18 keys, each typing one accented letter. The keys never
// take the focus, so the text field being typed into keeps its caret and
// selection while the user clicks.
class Keypad : public QGroupBox {
    Q_OBJECT
public:
    explicit Keypad(QWidget *parent = nullptr);

    static QChar letter(int index);
    QPushButton *key(int index) const { return m_keys.at(std::size_t(index)); }

signals:
    void letterClicked(const QString &letter);

private:
    std::array<QPushButton *, KeypadKeyCount> m_keys {};
};

} // namespace parlora
