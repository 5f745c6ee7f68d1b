#include "platform/services/Services.h"
#include "reader/Sayloom.h"
#include "reader/speech/EspeakVoice.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sayloom"));
    DesktopServices desktop;
    Sayloom window(desktop.services(), std::make_unique<EspeakVoice>());
    window.show();
    return QApplication::exec();
}
