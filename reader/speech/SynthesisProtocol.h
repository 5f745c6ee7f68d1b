#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// What the synthesis helper process is asked to speak: the engine's settings and text.
struct SynthesisRequest {
    QString voiceId;
    int wordsPerMinute = 175;
    int wordGap = 0;
    int volume = 100;
    bool speakPunctuation = false;
    bool markup = false;
    int fromSentence = 1; // 1-based
    QByteArray utf8;

    QByteArray encode() const;
    static std::optional<SynthesisRequest> decode(const QByteArray& bytes);
};

// An event of the engine, as it reports it.
struct EngineEvent {
    enum class Kind : std::uint8_t { Word, Sentence, Phoneme };
    Kind kind = Kind::Word;
    int audioMs = 0;      // position in the audio
    int textPosition = 0; // code points from 1
    int length = 0;
    int number = 0; // a sentence's number
    QByteArray phoneme;
};

// What the engine made in one step: the events of its audio, then the audio.
struct SynthesisBlock {
    std::vector<EngineEvent> events;
    std::vector<std::int16_t> samples;
};

// The helper writes frames of one kind byte and a 32-bit length: blocks, then one end frame once
// the whole text is spoken.
namespace SynthesisFrames {
QByteArray block(const std::vector<EngineEvent>& events, const std::int16_t* samples, std::size_t count);
QByteArray end();
} // namespace SynthesisFrames

// Splits the helper's output into frames as it arrives.
class SynthesisFrameReader {
public:
    enum class Status { NeedMore, Block, End, Garbled };

    void append(const QByteArray& bytes) { buffer.append(bytes); }
    // The next whole frame; a block is put into `block`.
    Status next(SynthesisBlock& block);

private:
    QByteArray buffer;
    qsizetype at = 0;
    bool broken = false;
};
