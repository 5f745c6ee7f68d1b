// The gloss and the statistics windows' openers.
#include "platform/richtext/RichTextBox.h"
#include "shell/Frmjincheng.h"
#include "shell/frmMain.h"
#include "tools/text/Form6.h"
#include "tools/text/Form8.h"
#include "tools/text/Form9.h"

#include <QFrame>
#include <QPushButton>
#include <QToolBar>

bool frmMain::glossRunning() const {
    return form6 && form6->running();
}

Form6& frmMain::glossWindow() {
    if (!form6) {
        GlossHost host{*Rich1,
                       Listword,
                       List4,
                       List5,
                       [this]() -> ProgressSink& {
                           progressWindow().load();
                           return progressWindow();
                       },
                       [this] { progressWindow().unload(); },
                       [this] { return runActive; },
                       [this] {
                           for (QWidget* w : std::initializer_list<QWidget*>{
                                    Frame1.get(), Frmadd.get(), Frame3.get(), Rich1.get(), tbToolBar.get()})
                               w->setEnabled(true);
                           for (QMenu* m : {mnufile, mnuview, mnugeshi, mnuzizhu, mnubiaozhu})
                               m->menuAction()->setEnabled(true);
                       }};
        form6 = new Form6(services.messageBox, services.dialogs, std::move(host), this);
    }
    return *form6;
}

Form9& frmMain::statisticsWindow() {
    if (!form9)
        form9 = new Form9(services.messageBox, services.dialogs, *Rich1, Listword, this);
    return *form9;
}

void frmMain::mnutrans_Click() {
    Form6& window = glossWindow();
    window.cmdtranslate->setVisible(true);
    window.show();
    window.raise();
}

void frmMain::mnucitongji_Click() {
    if (Rich1->text().isEmpty()) {
        services.messageBox.show(QStringLiteral("当前文档界面内容为空，不必统计"), MsgBox::Information,
                                 QStringLiteral("友情提示"));
        return;
    }
    Form8 window(services.messageBox, services.dialogs, *Rich1, this);
    window.exec();
}

void frmMain::showStatistics(QPushButton* Form9::*button) {
    Form9& window = statisticsWindow();
    window.show();
    window.raise();
    (window.*button)->setVisible(true);
}

void frmMain::mnuyinbiaotongji_Click() {
    showStatistics(&Form9::Command3);
}

void frmMain::mnulong_Click() {
    showStatistics(&Form9::Command2);
}

void frmMain::mnuzhongdu_Click() {
    showStatistics(&Form9::Command1);
}

void frmMain::mnucizhongyin_Click() {
    showStatistics(&Form9::Command5);
}

void frmMain::mnuchengyinjie_Click() {
    showStatistics(&Form9::Command6);
}
