#pragma once

#include "platform/richtext/RichTextBox.h"
#include "platform/services/CommonDialog.h"

#include <vector>

class MessageBox;

// What one tool window's save button writes: the dialog's title and filter, and the format each
// filter entry writes (by filter index, from 1; a missing entry writes the last one).
struct SaveKind {
    QString title;
    QString filter;
    std::vector<RichTextBox::FileFormat> formats;
};

// The save command of the tool windows: the save dialog, the overwrite question (Cancel shows the
// dialog again), then the box written through a temporary file. A refused name is never written; a
// file that cannot be written is reported and an existing one kept. `dialog` is the window's dialog
// state, keeping the last name and filter index between uses. True when a file was written.
bool runSaveCommand(MessageBox& messageBox, CommonDialog& dialogs, FileDialogRequest& dialog,
                    const SaveKind& kind, const RichTextBox& box);
