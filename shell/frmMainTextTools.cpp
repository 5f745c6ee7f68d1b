// The text tools' openers.
#include "shell/frmMain.h"
#include "tools/text/Frmconvert.h"
#include "tools/text/Frmnumber.h"
#include "tools/text/Frmpiliangzhuanhuan.h"

void frmMain::mnuconvert_Click() {
    Frmconvert window(services.messageBox, *Rich1, this);
    window.exec();
}

void frmMain::openNumberWindow(int mode) {
    Frmnumber window(services.messageBox, services.dialogs, this);
    window.showMode(static_cast<Frmnumber::Mode>(mode));
    window.exec();
}

void frmMain::mnushuzi_Click() {
    openNumberWindow(int(Frmnumber::Mode::Number));
}

void frmMain::mnuyear_Click() {
    openNumberWindow(int(Frmnumber::Mode::Year));
}

void frmMain::mnutele_Click() {
    openNumberWindow(int(Frmnumber::Mode::Telephone));
}

void frmMain::mnupiliangzhuanhuan_Click() {
    // A closed window is loaded afresh, which also clears the leftover temporary files.
    if (!fontReplacement || !fontReplacement->isVisible()) {
        delete fontReplacement;
        fontReplacement = new Frmpiliangzhuanhuan(services.messageBox, services.dialogs, *Rich1, this);
    }
    fontReplacement->show();
    fontReplacement->raise();
}
