#pragma once

#include "platform/services/Services.h"
#include "platform/widgets/ClickableLabel.h"
#include "shell/InstanceLock.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QTimer;

// The start-up window: refuses a second instance, shows the splash for three ticks, then the main
// window; afterwards it stays hidden and serves as the About window.
class frmstep1 : public QDialog {
    Q_OBJECT
public:
    // `showMainWindow` creates (on first use) and shows the main window, which its caller owns.
    explicit frmstep1(Services services, const QString& lockPath = InstanceLock::defaultPath(),
                      std::function<void()> showMainWindow = {});

    // False when another instance runs: the message is shown and the program ended.
    bool Form_Load();
    void Timer1_Timer();
    void Frame1_Click();
    void Form_MouseMove();
    void Label12_MouseMove();
    void Label12_Click();
    // The About command of the main window: modal, owned by it, until a click hides it.
    void showAbout(QWidget* owner);

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
    std::function<void()> showMainWindow;
    int ticks = 0;
};
