#pragma once

#include <QElapsedTimer>
#include <QString>

// Where a run shows its stage and figure (the progress window's title).
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setCaption(const QString& text) = 0;
};

// Reports "stage text + ##.##%" to a sink. A loop reports at every step; the text is formatted and
// shown at most every 50 ms and only when it changed, and finish() shows the last figure reported,
// so the caption ends on the value the loop reached.
class ProgressReporter {
public:
    explicit ProgressReporter(ProgressSink& sink);

    void report(const QString& stage, double ratio);
    void finish();
    // Shows a text at once (a stage's closing words).
    void show(const QString& text);

private:
    void emitPending();

    ProgressSink& sink;
    QElapsedTimer sinceShown;
    QString shown;
    QString pendingStage;
    double pendingRatio = 0;
    int reportsUnread = 0;
    bool pending = false;
};
