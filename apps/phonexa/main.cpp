#include "platform/core/HeapPages.h"
#include "platform/i18n/QtTranslations.h"
#include "platform/services/Services.h"
#include "shell/StartOptions.h"
#include "shell/frmMain.h"
#include "shell/frmstep1.h"

#include <QApplication>
#include <QTimer>

#include <memory>

int main(int argc, char** argv) {
    HeapPages::restartOnHugePages(argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Phonexa"));
    const QtTranslations qtTranslations;
    DesktopServices desktop;
    const StartOptions options =
        StartOptions::from(QApplication::arguments(), QProcessEnvironment::systemEnvironment());
    std::unique_ptr<frmMain> mainWindow;
    frmstep1 start(desktop.services(), InstanceLock::defaultPath(), [&] {
        if (!mainWindow)
            mainWindow = std::make_unique<frmMain>(desktop.services(), start, options);
        mainWindow->show();
    });
    if (!start.Form_Load())
        return 0;
    start.show();
    start.Timer1->start();
    return QApplication::exec();
}
