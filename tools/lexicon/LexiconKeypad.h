#pragma once

#include <QGroupBox>

#include <functional>
#include <vector>

class QPushButton;

// The keypad frame of the lexicon dialogs (`Frame5`): 68 main keys `Command1` and the extra keys `c1`.
// A click calls the window's handler with the key's index.
class LexiconKeypad : public QGroupBox {
public:
    LexiconKeypad(std::function<void(int)> command1, std::function<void(int)> c1, QWidget* parent);

    std::vector<QPushButton*> Command1;
    std::vector<QPushButton*> c1; // by index; an index without a key holds nullptr
};
