#pragma once

#include "annotation/Progress.h"
#include "platform/widgets/ClickableLabel.h"

#include <QPointer>
#include <QWidget>

class QLabel;

// The progress window of long runs: the run writes its stage and figure into the title; the stop
// label clears the run flags in two stages (recognition first, then insertion).
class Frmjincheng : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    // The window is placed over the centre of `owner` when it has one.
    explicit Frmjincheng(QWidget* owner = nullptr);

    // Shows the window afresh, in its first state, over the owner.
    void load();
    void unload();

    void setCaption(const QString& text) override;

    void Label3_Click();

    QLabel* Label1;
    ClickableLabel* Label3;

private:
    QPointer<QWidget> owner;
};
