#pragma once

#include "annotation/Progress.h"

#include <QWidget>

class QLabel;

// The progress window of long runs: the run writes its stage and figure into the title; the stop
// label clears the run flags in two stages (recognition first, then insertion).
class Frmjincheng : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    Frmjincheng();

    // Shows the window afresh, in its first state.
    void load();
    void unload();

    void setCaption(const QString& text) override;

    void Label3_Click();

    QLabel* Label1;
    QLabel* Label3;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
