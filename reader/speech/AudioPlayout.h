#pragma once

#include "reader/speech/AudioFormats.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QElapsedTimer>

#include <memory>

class QAudioSink;
class QIODevice;

// Plays runs of PCM bytes on an audio device through a push-mode sink, and tells how much of the
// current run has been heard. Without a usable device it keeps the same time with a clock, so
// speech and its events go on at their pace.
class AudioPlayout {
public:
    AudioPlayout();
    ~AudioPlayout();

    // A null device stands for the system's default output.
    void setDevice(const QAudioDevice& device);
    bool supports(const AudioFormat& format) const;

    // Begins a new run in the format; what the previous run still held is dropped. Starting and
    // stopping may run the event loop.
    void start(const AudioFormat& format);
    void stop();
    // Takes as many bytes from the front as the output can hold now; returns how many it took.
    qint64 write(const char* data, qint64 size);
    // Bytes of the current run heard so far.
    qint64 heard() const;
    void setPaused(bool paused);
    bool usesDevice() const { return sink != nullptr; }

private:
    QAudioDevice currentDevice() const;
    qint64 clockBytes() const;

    QAudioDevice device;
    std::unique_ptr<QAudioSink> sink;
    QIODevice* io = nullptr;
    AudioFormat format;
    qint64 written = 0;
    bool paused = false;
    bool running = false;
    QElapsedTimer clock;
    qint64 heardMs = 0;
};
