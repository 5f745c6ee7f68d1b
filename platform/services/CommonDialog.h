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
    int flags = 0;
};

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
