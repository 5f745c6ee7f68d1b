#include "reader/speech/SynthesisProtocol.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace {

constexpr char kBlock = 'B';
constexpr char kEnd = 'E';
constexpr int kHeaderBytes = 5;
// An engine step makes a tenth of a second of audio; anything far larger is not from the helper.
constexpr quint32 kMaxPayload = 4 << 20;
constexpr int kPhonemeBytes = 8;

QByteArray frame(char kind, const QByteArray& payload) {
    QByteArray f(kHeaderBytes, Qt::Uninitialized);
    f[0] = kind;
    qToLittleEndian(quint32(payload.size()), f.data() + 1);
    return f + payload;
}

bool decodeBlock(const QByteArray& payload, SynthesisBlock& block) {
    QDataStream in(payload);
    quint32 count = 0;
    in >> count;
    block.events.clear();
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        quint8 kind = 0;
        qint32 audioMs = 0, textPosition = 0, length = 0, number = 0;
        char phoneme[kPhonemeBytes];
        in >> kind >> audioMs >> textPosition >> length >> number;
        if (in.readRawData(phoneme, kPhonemeBytes) != kPhonemeBytes ||
            kind > quint8(EngineEvent::Kind::Phoneme))
            return false;
        block.events.push_back({EngineEvent::Kind(kind), audioMs, textPosition, length, number,
                                QByteArray(phoneme, qsizetype(qstrnlen(phoneme, kPhonemeBytes)))});
    }
    if (in.status() != QDataStream::Ok)
        return false;
    const qsizetype rest = payload.size() - qsizetype(in.device()->pos());
    if (rest % 2)
        return false;
    block.samples.resize(std::size_t(rest / 2));
    return in.readRawData(reinterpret_cast<char*>(block.samples.data()), int(rest)) == rest;
}

} // namespace

QByteArray SynthesisRequest::encode() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << voiceId << qint32(wordsPerMinute) << qint32(wordGap) << qint32(volume) << speakPunctuation
        << markup << qint32(fromSentence) << utf8;
    return bytes;
}

std::optional<SynthesisRequest> SynthesisRequest::decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    SynthesisRequest r;
    qint32 wpm = 0, gap = 0, volume = 0, from = 0;
    in >> r.voiceId >> wpm >> gap >> volume >> r.speakPunctuation >> r.markup >> from >> r.utf8;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    r.wordsPerMinute = wpm;
    r.wordGap = gap;
    r.volume = volume;
    r.fromSentence = from;
    return r;
}

namespace SynthesisFrames {

QByteArray block(const std::vector<EngineEvent>& events, const std::int16_t* samples, std::size_t count) {
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << quint32(events.size());
    for (const EngineEvent& e : events) {
        char phoneme[kPhonemeBytes] = {};
        std::copy_n(e.phoneme.constData(), std::min<qsizetype>(e.phoneme.size(), kPhonemeBytes), phoneme);
        out << quint8(e.kind) << qint32(e.audioMs) << qint32(e.textPosition) << qint32(e.length)
            << qint32(e.number);
        out.writeRawData(phoneme, kPhonemeBytes);
    }
    out.writeRawData(reinterpret_cast<const char*>(samples), int(count * sizeof *samples));
    return frame(kBlock, payload);
}

QByteArray end() {
    return frame(kEnd, {});
}

} // namespace SynthesisFrames

SynthesisFrameReader::Status SynthesisFrameReader::next(SynthesisBlock& block) {
    if (broken)
        return Status::Garbled;
    if (buffer.size() - at < kHeaderBytes)
        return Status::NeedMore;
    const char kind = buffer[at];
    const quint32 size = qFromLittleEndian<quint32>(buffer.constData() + at + 1);
    if ((kind != kBlock && kind != kEnd) || size > kMaxPayload || (kind == kEnd && size != 0)) {
        broken = true;
        return Status::Garbled;
    }
    if (buffer.size() - at - kHeaderBytes < qsizetype(size))
        return Status::NeedMore;
    const QByteArray payload = buffer.mid(at + kHeaderBytes, size);
    at += kHeaderBytes + size;
    // The consumed part goes once it is most of the buffer, so that reading stays linear.
    if (at > buffer.size() / 2) {
        buffer.remove(0, at);
        at = 0;
    }
    if (kind == kEnd)
        return Status::End;
    if (!decodeBlock(payload, block)) {
        broken = true;
        return Status::Garbled;
    }
    return Status::Block;
}
