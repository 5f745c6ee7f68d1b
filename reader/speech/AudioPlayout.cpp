#include "reader/speech/AudioPlayout.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

constexpr int kBufferMs = 250;

QAudioFormat qtFormat(const AudioFormat& f) {
    QAudioFormat q;
    q.setSampleRate(f.sampleRate);
    q.setChannelCount(f.channels);
    q.setSampleFormat(f.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return q;
}

} // namespace

AudioPlayout::AudioPlayout() = default;
AudioPlayout::~AudioPlayout() {
    stop();
}

void AudioPlayout::setDevice(const QAudioDevice& chosen) {
    device = chosen;
}

QAudioDevice AudioPlayout::currentDevice() const {
    return device.isNull() ? QMediaDevices::defaultAudioOutput() : device;
}

bool AudioPlayout::supports(const AudioFormat& f) const {
    const QAudioDevice d = currentDevice();
    return d.isNull() || d.isFormatSupported(qtFormat(f));
}

void AudioPlayout::start(const AudioFormat& f) {
    stop();
    format = f;
    // A sink may run the event loop while it starts; it becomes this object's only once it runs.
    std::unique_ptr<QAudioSink> fresh;
    QIODevice* freshIo = nullptr;
    const QAudioDevice d = currentDevice();
    if (!d.isNull() && d.isFormatSupported(qtFormat(f))) {
        fresh = std::make_unique<QAudioSink>(d, qtFormat(f));
        fresh->setBufferSize(f.bytesPerSecond() * kBufferMs / 1000);
        freshIo = fresh->start();
        if (!freshIo || fresh->error() != QAudio::NoError) {
            fresh.reset();
            freshIo = nullptr;
        } else if (paused) {
            fresh->suspend();
        }
    }
    stop();
    sink = std::move(fresh);
    io = freshIo;
    running = true;
    clock.start();
}

void AudioPlayout::stop() {
    // Stopping a sink may run the event loop: this object is stopped before that.
    std::unique_ptr<QAudioSink> old = std::move(sink);
    io = nullptr;
    written = 0;
    heardMs = 0;
    running = false;
    if (old)
        old->stop();
}

qint64 AudioPlayout::clockBytes() const {
    const qint64 ms = heardMs + (paused || !running ? 0 : clock.elapsed());
    const qint64 frames = ms * format.sampleRate / 1000;
    return frames * format.bytesPerFrame();
}

qint64 AudioPlayout::write(const char* data, qint64 size) {
    if (!running || size <= 0)
        return 0;
    qint64 room = 0;
    if (sink) {
        room = sink->bytesFree();
    } else {
        room = clockBytes() + qint64(format.bytesPerSecond()) * kBufferMs / 1000 - written;
    }
    room -= room % format.bytesPerFrame();
    const qint64 take = qMin(size, qMax<qint64>(room, 0));
    if (take <= 0)
        return 0;
    const qint64 done = sink ? io->write(data, take) : take;
    if (done > 0)
        written += done;
    return qMax<qint64>(done, 0);
}

qint64 AudioPlayout::heard() const {
    if (!running)
        return 0;
    if (!sink)
        return qMin(written, clockBytes());
    // The sink going idle means it played everything it was given.
    if (sink->state() == QAudio::IdleState)
        return written;
    const qint64 frames = sink->processedUSecs() * format.sampleRate / 1000000;
    return qMin(written, frames * format.bytesPerFrame());
}

void AudioPlayout::setPaused(bool on) {
    if (on == paused)
        return;
    if (!sink && running) {
        if (on)
            heardMs += clock.elapsed();
        else
            clock.start();
    }
    paused = on;
    if (sink) {
        if (on)
            sink->suspend();
        else
            sink->resume();
    }
}
