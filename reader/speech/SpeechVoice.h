#pragma once

#include "reader/speech/SpeechAudioStream.h"
#include "reader/speech/SpeechTokens.h"

#include <QList>
#include <QObject>

#include <memory>
#include <optional>

// A speaking voice. Its events arrive on the thread that owns it, between handler runs, in the
// order stream start, words and sentences as they are heard, stream end. Positions and lengths
// of words and sentences are 0-based UTF-16 offsets into the text given to Speak; stream
// positions are byte offsets into the output stream.
class SpeechVoice : public QObject {
    Q_OBJECT
public:
    static constexpr int kRateMin = -10;
    static constexpr int kRateMax = 10;
    static constexpr int kVolumeMax = 100;

    using QObject::QObject;

    // Empty when the voice works; otherwise why it cannot speak at all.
    virtual QString initializationError() const = 0;
    // Why the last call that returned false failed.
    virtual QString errorDescription() const = 0;

    virtual QList<VoiceToken> GetVoices() const = 0;
    virtual QList<AudioOutputToken> GetAudioOutputs() const = 0;

    virtual VoiceToken Voice() const = 0;
    virtual bool setVoice(const VoiceToken& token) = 0;
    // An empty token selects the system's default output; the device stream becomes the output.
    virtual bool setAudioOutput(const std::optional<AudioOutputToken>& token) = 0;

    virtual void setAllowAudioOutputFormatChangesOnNextSet(bool allow) = 0;
    virtual std::shared_ptr<SpeechAudioStream> AudioOutputStream() const = 0;
    // The engine takes the stream's format when the stream is set, also when it is set again.
    virtual bool setAudioOutputStream(std::shared_ptr<SpeechAudioStream> stream) = 0;

    virtual int Rate() const = 0;
    virtual void setRate(int rate) = 0;
    virtual int Volume() const = 0;
    virtual void setVolume(int volume) = 0;

    virtual bool Speak(const QString& text, int flags) = 0;
    virtual bool Pause() = 0;
    virtual bool Resume() = 0;
    // Skips `count` items of `type` ("Sentence") forwards or back; the number skipped, or nullopt.
    virtual std::optional<int> Skip(const QString& type, int count) = 0;
    // Waits until everything queued is spoken, delivering events meanwhile; -1 waits without limit.
    // False when the time ran out first.
    virtual bool WaitUntilDone(int milliseconds) = 0;

signals:
    void StartStream(int streamNumber, qint64 streamPosition);
    void EndStream(int streamNumber, qint64 streamPosition);
    void Word(int streamNumber, qint64 streamPosition, int characterPosition, int length);
    void Sentence(int streamNumber, qint64 streamPosition, int characterPosition, int length);
    void Phoneme(int streamNumber, qint64 streamPosition, const QString& phoneme);
    void VoiceChange(int streamNumber, qint64 streamPosition, const VoiceToken& voice);
};
