#pragma once

#include "platform/services/Services.h"
#include "platform/widgets/ClickableLabel.h"
#include "shell/InstanceLock.h"

#include <QDialog>

#include <memory>

class QFrame;
class QLabel;
class QTimer;
class frmMain;

// The start-up window: refuses a second instance, shows the splash for three ticks, then the main
// window; afterwards it stays hidden and serves as the About window.
class frmstep1 : public QDialog {
    Q_OBJECT
public:
    explicit frmstep1(Services services, const QString& lockPath = InstanceLock::defaultPath());
    ~frmstep1() override;

    // False when another instance runs: the message is shown and the program ended.
    bool Form_Load();
    void Timer1_Timer();
    void Frame1_Click();
    void Form_MouseMove();
    void Label12_MouseMove();
    void Label12_Click();
    // The About command of the main window: modal, owned by it, until a click hides it.
    void showAbout(QWidget* owner);

    // The main window, created (and loaded) on first use.
    frmMain& mainWindow();
    bool mainWindowCreated() const { return main != nullptr; }

    Services services;
    QTimer* Timer1;
    QFrame* Frame1;
    QLabel* Label8;
    QLabel* Label10;
    ClickableLabel* Label12;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InstanceLock instance;
    std::unique_ptr<frmMain> main;
    int ticks = 0;
};
