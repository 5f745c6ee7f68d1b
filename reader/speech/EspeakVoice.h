#pragma once

#include "reader/speech/AudioPlayout.h"
#include "reader/speech/EspeakEngine.h"
#include "reader/speech/SpeechVoice.h"

#include <QTimer>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

// The voice over espeak-ng: the engine synthesises on its own thread, this object feeds the audio
// to the output on the thread that owns it and delivers each event once the audio before it has
// been heard.
class EspeakVoice final : public SpeechVoice {
    Q_OBJECT
public:
    // WAV files are synthesised by `helperProgram`, by default the one beside the executable.
    explicit EspeakVoice(QObject* parent = nullptr, const QString& helperProgram = defaultHelperProgram());
    static QString defaultHelperProgram();
    ~EspeakVoice() override;

    QString initializationError() const override { return engine->initializationError(); }
    QString errorDescription() const override { return lastError; }

    QList<VoiceToken> GetVoices() const override { return engine->voices(); }
    QList<AudioOutputToken> GetAudioOutputs() const override;

    VoiceToken Voice() const override { return currentVoice; }
    bool setVoice(const VoiceToken& token) override;
    bool setAudioOutput(const std::optional<AudioOutputToken>& token) override;

    void setAllowAudioOutputFormatChangesOnNextSet(bool allow) override { allowFormatChange = allow; }
    std::shared_ptr<SpeechAudioStream> AudioOutputStream() const override { return outputStream; }
    bool setAudioOutputStream(std::shared_ptr<SpeechAudioStream> stream) override;

    int Rate() const override { return rate; }
    void setRate(int value) override;
    int Volume() const override { return volume; }
    void setVolume(int value) override;

    bool Speak(const QString& text, int flags) override;
    bool Pause() override;
    bool Resume() override;
    std::optional<int> Skip(const QString& type, int count) override;
    bool WaitUntilDone(int milliseconds) override;

private:
    // Keeps pump() out while a call that may run the event loop is under way.
    struct PumpHold {
        explicit PumpHold(bool& flag) : flag(flag), was(flag) { flag = true; }
        ~PumpHold() { flag = was; }
        bool& flag;
        bool was;
    };

    struct Notice {
        int stream;
        std::function<void()> emitIt;
    };

    bool fail(const QString& why);
    void purge();
    std::shared_ptr<Utterance> newUtterance(int flags);
    bool queueText(const QString& text, int flags);
    bool queueWav(const QString& path, int flags);
    void startPump();
    void pump();
    void feedQueue();
    // `last` drains the resampler once the engine is done.
    void convert(Utterance& u, const std::int16_t* samples, std::size_t count, bool last);
    // Reads and converts a played WAV file block by block as the output takes it.
    qint64 playWav(Utterance& u);
    // Gives the output what it can take of the utterance; returns the stream offset heard.
    qint64 feed(Utterance& u);
    void collectEvents(Utterance& u, qint64 heard, bool all);
    void deliver();

    std::mutex mutex;
    std::condition_variable progress;
    std::unique_ptr<EspeakEngine> engine;
    AudioPlayout playout;
    QTimer pumpTimer;

    std::deque<std::shared_ptr<Utterance>> queue;
    std::deque<Notice> notices;
    bool delivering = false;
    bool pumping = false;
    int nextStream = 1;
    int firstLiveStream = 1;
    bool paused = false;

    VoiceToken currentVoice;
    std::shared_ptr<SpeechAudioStream> deviceStream;
    std::shared_ptr<SpeechAudioStream> outputStream;
    AudioFormat activeFormat;
    bool allowFormatChange = true;
    int rate = 0;
    int volume = 100;
    QString lastError;
};
