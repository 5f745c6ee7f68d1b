#pragma once

#include "platform/word/WordDocument.h"
#include "platform/word/WordSelection.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class Shell;

// A word processor driven like Word's automation: documents are built in memory and handed to the
// desktop's word processor as .docx files. A file cannot show a document while it grows, so being
// visible only marks the documents as shown; showDocuments() puts them on the screen as they stand.
class WordApplication {
public:
    explicit WordApplication(Shell& shell);
    WordApplication(const WordApplication&) = delete;
    WordApplication& operator=(const WordApplication&) = delete;

    int documentsCount() const { return int(documents.size()); }
    // A new empty document, which becomes the active one.
    void addDocument();
    // The active document's selection; null while there is no document.
    WordSelection* selection();
    const WordDocument* activeDocument() const;

    bool visible() const { return shown; }
    void setVisible(bool on) { shown = on; }

    // While visible, writes every document as a .docx into the application's own folder and opens
    // it with the desktop's word processor. False, with the reason, when a file cannot be written or
    // opened; the copy that failed is removed, and so is the folder while it holds no opened file.
    // The folder outlives the application, as the word processor keeps using the files.
    bool showDocuments(QString* error = nullptr);
    // Closes every document without saving: their files are removed.
    void quit();

private:
    struct Open {
        std::unique_ptr<WordDocument> document;
        std::unique_ptr<WordSelection> selection;
        int number;
    };

    void dropFolderIfUnused();

    Shell& shell;
    std::vector<Open> documents;
    std::unique_ptr<QTemporaryDir> folder;
    int documentsMade = 0;
    bool shown = false;
    bool handedOver = false; // a file in the folder was given to the word processor
};
