#pragma once

#include "reader/speech/SpeechVoice.h"

#include <QStringList>

// A voice that records the calls made on it and lets the test raise the engine's events.
class FakeSpeechVoice final : public SpeechVoice {
    Q_OBJECT
public:
    struct Spoken {
        QString text;
        int flags;
    };

    QString initializationError() const override { return initError; }
    QString errorDescription() const override { return QStringLiteral("fake failure"); }
    QList<VoiceToken> GetVoices() const override { return voices; }
    QList<AudioOutputToken> GetAudioOutputs() const override { return outputs; }
    VoiceToken Voice() const override { return current; }
    bool setVoice(const VoiceToken& token) override {
        calls.append(QStringLiteral("voice ") + token.id);
        current = token;
        return true;
    }
    bool setAudioOutput(const std::optional<AudioOutputToken>& token) override {
        calls.append(QStringLiteral("output ") +
                     (token ? QString::fromLatin1(token->id) : QStringLiteral("default")));
        stream = device;
        return true;
    }
    void setAllowAudioOutputFormatChangesOnNextSet(bool allow) override { allowChanges = allow; }
    std::shared_ptr<SpeechAudioStream> AudioOutputStream() const override { return stream; }
    bool setAudioOutputStream(std::shared_ptr<SpeechAudioStream> s) override {
        calls.append(QStringLiteral("stream ") + QString::number(s->formatType()) +
                     (s->isFile() ? u'f' : u'd'));
        stream = s;
        return true;
    }
    int Rate() const override { return rate; }
    void setRate(int r) override { rate = r; }
    int Volume() const override { return volume; }
    void setVolume(int v) override { volume = v; }
    bool Speak(const QString& text, int flags) override {
        spoken.push_back({text, flags});
        if (stream->isFile() && !text.isEmpty())
            stream->write(QByteArray(100, '\x10'));
        return speakSucceeds;
    }
    bool Pause() override {
        calls.append(QStringLiteral("pause"));
        return true;
    }
    bool Resume() override {
        calls.append(QStringLiteral("resume"));
        return true;
    }
    std::optional<int> Skip(const QString& type, int count) override {
        calls.append(QStringLiteral("skip ") + type + u' ' + QString::number(count));
        return count;
    }
    bool WaitUntilDone(int) override {
        calls.append(QStringLiteral("wait"));
        return true;
    }

    void startStream() { emit StartStream(1, 0); }
    void word(int position, int length) { emit Word(1, 0, position, length); }
    void endStream() { emit EndStream(1, 0); }
    void voiceChange(const VoiceToken& token) { emit VoiceChange(1, 0, token); }

    QString initError;
    QList<VoiceToken> voices{
        {QStringLiteral("gmw/en"),
         QStringLiteral("English (Great Britain) - en-gb"),
         {QStringLiteral("en-gb")}},
        {QStringLiteral("gmw/en-US"), QStringLiteral("English (America) - en-us"), {QStringLiteral("en-us")}},
        {QStringLiteral("sit/cmn"), QStringLiteral("Chinese (Mandarin) - cmn"), {QStringLiteral("cmn")}}};
    QList<AudioOutputToken> outputs{{"dev0", QStringLiteral("Speakers")},
                                    {"dev1", QStringLiteral("Headphones")}};
    VoiceToken current;
    std::shared_ptr<SpeechAudioStream> device = std::make_shared<SpeechAudioStream>();
    std::shared_ptr<SpeechAudioStream> stream = device;
    bool allowChanges = true;
    int rate = 3;
    int volume = 80;
    bool speakSucceeds = true;
    std::vector<Spoken> spoken;
    QStringList calls;
};
