#include "platform/i18n/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

QtTranslations::QtTranslations() {
    // The programs speak Chinese whatever the desktop's language, so their dialogs do too.
    installed = translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                QCoreApplication::installTranslator(&translator);
}

QtTranslations::~QtTranslations() {
    if (installed)
        QCoreApplication::removeTranslator(&translator);
}
