#pragma once

#include "reader/speech/AudioFormats.h"

#include <QByteArray>
#include <QString>

// An output stream of a voice, with the format the engine speaks into it.
class SpeechAudioStream {
public:
    virtual ~SpeechAudioStream() = default;

    int formatType() const { return type; }
    // False for a value that is no known format; the stream keeps its format then.
    bool setFormatType(int formatType);
    AudioFormat format() const { return *AudioFormats::find(type); }

    // The device stream plays what it gets; a file stream stores it.
    virtual bool isFile() const { return false; }
    virtual void write(const QByteArray&) {}

    // Why the stream did not get all of its audio; empty while it did.
    QString failure() const { return whyFailed; }
    void setFailure(const QString& why) { whyFailed = why; }

private:
    int type = AudioFormats::k22kHz16BitMono;
    QString whyFailed;
};
