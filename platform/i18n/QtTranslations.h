#pragma once

#include <QTranslator>

// Qt's own Simplified Chinese texts (standard buttons, the open, save, font and colour dialogs) for
// the lifetime of this object. Without the translation files installed Qt's English texts remain.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    [[nodiscard]] bool loaded() const { return installed; }

private:
    QTranslator translator;
    bool installed = false;
};
