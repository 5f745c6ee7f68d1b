#pragma once

#include <QString>
#include <QStringList>

// Open, save, font and colour dialogs. Filters are "name|pattern|name|pattern"; the filter index
// counts from 1. Every call returns false when the user cancels.
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString fileName; // initial name in, chosen path out
    QString initialDir;
    int flags = 0; // FileDialogFlag bits
};

// The file dialogs' flag bits. The overwrite question is the caller's, asked through its message box.
namespace FileDialogFlag {
enum : int {
    OverwritePrompt = 0x2,
    PathMustExist = 0x800,
    FileMustExist = 0x1000,
    NoReadOnlyReturn = 0x8000
};
}

// Why a chosen path breaks one of the flags, for the dialog to say before it asks again; empty when it
// breaks none.
QString fileDialogRefusal(const QString& path, int flags);

struct FontChoice {
    QString name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
    int color = 0; // platform colour value, blue-green-red
};

// "Text (*.txt)|*.txt|All|*.*" as Qt's name filters "Text (*.txt)" and "All (*.*)": a name that
// already shows its patterns keeps them once.
QStringList qtNameFilters(const QString& filter);

class CommonDialog {
public:
    virtual ~CommonDialog() = default;
    virtual bool showOpen(FileDialogRequest& request) = 0;
    virtual bool showSave(FileDialogRequest& request) = 0;
    virtual bool showFont(const QString& title, FontChoice& font) = 0;
    virtual bool showColor(const QString& title, int& color) = 0;
};

class QtCommonDialog final : public CommonDialog {
public:
    bool showOpen(FileDialogRequest& request) override;
    bool showSave(FileDialogRequest& request) override;
    bool showFont(const QString& title, FontChoice& font) override;
    bool showColor(const QString& title, int& color) override;
};
