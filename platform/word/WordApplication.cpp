#include "platform/word/WordApplication.h"

#include "platform/services/Shell.h"
#include "platform/word/DocxWriter.h"

#include <QFile>

WordApplication::WordApplication(Shell& shellService) : shell(shellService) {}

void WordApplication::addDocument() {
    auto document = std::make_unique<WordDocument>();
    auto selection = std::make_unique<WordSelection>(*document);
    documents.push_back({std::move(document), std::move(selection), ++documentsMade});
}

WordSelection* WordApplication::selection() {
    return documents.empty() ? nullptr : documents.back().selection.get();
}

const WordDocument* WordApplication::activeDocument() const {
    return documents.empty() ? nullptr : documents.back().document.get();
}

bool WordApplication::showDocuments(QString* error) {
    if (!shown)
        return true;
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        folder->setAutoRemove(false);
    }
    if (!folder->isValid()) {
        if (error)
            *error = folder->errorString();
        return false;
    }
    for (const Open& open : documents) {
        const QString path = folder->filePath(QStringLiteral("文档%1.docx").arg(open.number));
        QString reason;
        if (!writeDocx(*open.document, path, &reason)) {
            if (error)
                *error = path + QStringLiteral(": ") + reason;
            dropFolderIfUnused();
            return false;
        }
        if (!shell.open(path)) {
            if (error)
                *error = path;
            QFile::remove(path);
            dropFolderIfUnused();
            return false;
        }
        handedOver = true;
    }
    return true;
}

void WordApplication::dropFolderIfUnused() {
    if (handedOver)
        return;
    folder->remove();
    folder.reset();
}

void WordApplication::quit() {
    documents.clear();
    shown = false;
    if (folder)
        folder->remove();
    folder.reset();
    handedOver = false;
}
