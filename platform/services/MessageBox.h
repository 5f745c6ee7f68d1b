#pragma once

#include <QString>

// Message boxes with the BASIC style bits and results.
namespace MsgBox {
enum Style : int {
    OkOnly = 0,
    OkCancel = 1,
    YesNo = 4,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton2 = 256,
};
enum Result : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
} // namespace MsgBox

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the prompt and returns the button chosen. An empty title shows the program's name.
    virtual int show(const QString& prompt, int style = MsgBox::OkOnly, const QString& title = {}) = 0;
};

class QtMessageBox final : public MessageBox {
public:
    int show(const QString& prompt, int style, const QString& title) override;
};
