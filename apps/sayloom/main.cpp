#include "platform/i18n/QtTranslations.h"
#include "platform/services/Services.h"
#include "reader/Sayloom.h"
#include "reader/speech/EspeakVoice.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sayloom"));
    const QtTranslations qtTranslations;
    DesktopServices desktop;
    Sayloom window(desktop.services(), std::make_unique<EspeakVoice>());
    window.show();
    return QApplication::exec();
}
