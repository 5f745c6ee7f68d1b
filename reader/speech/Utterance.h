#pragma once

#include "reader/speech/AudioFormats.h"
#include "reader/speech/SampleConverter.h"
#include "reader/speech/SpeechAudioStream.h"
#include "reader/speech/SpeechMarkup.h"
#include "reader/speech/WavFile.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

// An event waiting for the audio before it to be heard.
struct PendingEvent {
    enum class Kind { Word, Sentence, Phoneme, VoiceChange };
    Kind kind = Kind::Word;
    qint64 offset = 0; // stream byte offset
    int position = 0;  // UTF-16, 0-based
    int length = 0;
    int sentence = 0; // the sentence's number, 1-based
    QString phoneme;
    int voiceIndex = -1;
};

// One Speak call on its way from the engine thread to the output. The fields under "engine" are
// shared with the engine thread and guarded by the voice's mutex; the output side's belong to the
// voice's thread alone.
struct Utterance {
    int stream = 0;
    QByteArray utf8;          // what the engine reads; empty for a played WAV file
    std::vector<int> utf16At; // UTF-16 offset in the spoken text of every code point of utf8, plus the end
    std::vector<VoiceMark> voiceMarks;
    bool markup = false;
    bool speakPunctuation = false;
    QString voiceId;
    int wordsPerMinute = 175;
    int wordGap = 0;
    int volume = 100;
    AudioFormat format;
    std::shared_ptr<SpeechAudioStream> target;

    // engine
    int engineRate = 0;
    std::vector<std::int16_t> raw; // synthesised, not yet converted
    std::deque<PendingEvent> events;
    bool synthesized = false;
    QString failure;    // why the engine could not make all of it
    int generation = 0; // changed to abandon a synthesis under way
    std::size_t marksDone = 0;

    std::atomic<qint64> unsent{0}; // converted bytes not yet taken by the output

    // output side
    std::unique_ptr<WavFile> wav; // a played WAV file, read as it plays
    std::unique_ptr<SampleConverter> converter;
    bool flushed = false;
    QByteArray pcm;
    qint64 pcmStart = 0; // stream offset of pcm[0]
    bool started = false;
    qint64 sent = 0;     // stream offset up to which bytes went out
    qint64 runStart = 0; // stream offset where the current device run began
    int sentence = 1;    // the sentence being heard

    qint64 end() const { return pcmStart + pcm.size(); }
};
