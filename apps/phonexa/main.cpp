#include "platform/i18n/QtTranslations.h"
#include "platform/services/Services.h"
#include "shell/frmstep1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Phonexa"));
    const QtTranslations qtTranslations;
    DesktopServices desktop;
    frmstep1 start(desktop.services());
    if (!start.Form_Load())
        return 0;
    start.show();
    start.Timer1->start();
    return QApplication::exec();
}
