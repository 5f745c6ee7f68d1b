#pragma once

#include <QString>

class QWidget;

// The skin object of a tool window. A skin file is a Qt style sheet; applying it sets it on the window.
class Skin {
public:
    [[nodiscard]] bool LoadSkin(const QString& path);
    void ApplySkin(QWidget& window) const;

private:
    QString styleSheet;
};

// Gives the window the look of the program folder's "green.skn"; a missing or unreadable skin file
// leaves the standard look, without a message.
void loadToolWindowSkin(Skin& skin, QWidget& window);
