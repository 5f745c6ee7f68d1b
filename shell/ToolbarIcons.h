#pragma once

#include <QIcon>

// The toolbar's pictures: the desktop theme's icon where the theme has one, else our own drawing of
// the command, sharp at any size and greyed when the button is disabled.
namespace ToolbarIcons {

enum class Picture {
    Open,
    Save,
    Cut,
    Copy,
    Paste,
    Settings,
    Annotate,
    AnnotateWord,
    Word,
    Bold,
    Italic,
    StrikeThrough,
    Underline,
    Font,
    Colour,
};

QIcon icon(const char* themeName, Picture fallback);

// Our own drawing alone, whatever the theme.
QIcon drawn(Picture picture);

} // namespace ToolbarIcons
