#include "shell/frmMain.h"
#include "tools/text/Frmconvert.h"
#include "tools/text/Frmnumber.h"
#include "tools/text/Frmpiliangzhuanhuan.h"

void frmMain::setupTextToolCommands() {
    const auto item = [this](QMenu* menu, QAction* before, const QString& name, const QString& caption,
                             void (frmMain::*handler)()) {
        return insertMenuItem(menu, before, name, caption, handler);
    };
    mnushuzi = item(mnubiaozhu, nullptr, QStringLiteral("mnushuzi"), QStringLiteral("标注数字(&S)"),
                    &frmMain::mnushuzi_Click);
    mnuyear = item(mnubiaozhu, nullptr, QStringLiteral("mnuyear"), QStringLiteral("标注年份(&N)"),
                   &frmMain::mnuyear_Click);
    mnutele = item(mnubiaozhu, nullptr, QStringLiteral("mnutele"), QStringLiteral("标注电话号码(&T)"),
                   &frmMain::mnutele_Click);
    mnuconvert = item(mnuzizhu, mnuline2, QStringLiteral("mnuconvert"), QStringLiteral("音标互换(C)"),
                      &frmMain::mnuconvert_Click);
    mnupiliangzhuanhuan = item(mnugeshi, nullptr, QStringLiteral("mnupiliangzhuanhuan"),
                               QStringLiteral("字体批量转换(&Z)"), &frmMain::mnupiliangzhuanhuan_Click);
}

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
    if (!fontReplacement || !fontReplacement->isVisible())
        fontReplacement =
            std::make_unique<Frmpiliangzhuanhuan>(services.messageBox, services.dialogs, *Rich1, this);
    fontReplacement->show();
    fontReplacement->raise();
}
