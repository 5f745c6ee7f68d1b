#include "reader/speech/EspeakVoice.h"

#include "reader/speech/SampleConverter.h"
#include "reader/speech/SpeakFlags.h"
#include "reader/speech/TextCodec.h"
#include "reader/speech/WavFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QMetaMethod>

#include <chrono>
#include <cmath>

namespace {

constexpr int kNormalWordsPerMinute = 175;
constexpr int kSlowestWordsPerMinute = 80;
constexpr std::size_t kSlice = 8192;

// Rate -10..10 spans a third to three times the normal speed. Below the engine's slowest speed
// the rest of the slowing goes into pauses between words; the engine counts them in 10 ms units
// of its normal speed, which it stretches at slower speeds.
void applyRate(int rate, Utterance& u) {
    const double wpm = kNormalWordsPerMinute * std::pow(3.0, rate / 10.0);
    if (wpm >= kSlowestWordsPerMinute) {
        u.wordsPerMinute = int(std::lround(wpm));
        u.wordGap = 0;
        return;
    }
    u.wordsPerMinute = kSlowestWordsPerMinute;
    const double gapMs = 60000.0 / wpm - 60000.0 / kSlowestWordsPerMinute;
    u.wordGap = int(std::lround(gapMs / 10.0 * kSlowestWordsPerMinute / kNormalWordsPerMinute));
}

} // namespace

EspeakVoice::EspeakVoice(QObject* parent, const QString& helperProgram)
    : SpeechVoice(parent), engine(std::make_unique<EspeakEngine>(mutex, progress, helperProgram)),
      deviceStream(std::make_shared<SpeechAudioStream>()), outputStream(deviceStream),
      activeFormat(*AudioFormats::find(AudioFormats::k22kHz16BitMono)) {
    currentVoice = engine->voices().value(0);
    pumpTimer.setInterval(10);
    connect(&pumpTimer, &QTimer::timeout, this, [this] { pump(); });
}

QString EspeakVoice::defaultHelperProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sayloom-speech");
}

EspeakVoice::~EspeakVoice() {
    pumpTimer.stop();
    purge();
    engine.reset();
}

bool EspeakVoice::fail(const QString& why) {
    lastError = why;
    return false;
}

QList<AudioOutputToken> EspeakVoice::GetAudioOutputs() const {
    QList<AudioOutputToken> tokens;
    for (const QAudioDevice& d : QMediaDevices::audioOutputs())
        tokens.append({d.id(), d.description()});
    return tokens;
}

bool EspeakVoice::setVoice(const VoiceToken& token) {
    for (const VoiceToken& v : engine->voices()) {
        if (v.id == token.id) {
            currentVoice = v;
            return true;
        }
    }
    return fail(QStringLiteral("没有这个语音：") + token.description);
}

bool EspeakVoice::setAudioOutput(const std::optional<AudioOutputToken>& token) {
    QAudioDevice chosen;
    if (token) {
        const QList<QAudioDevice> devices = QMediaDevices::audioOutputs();
        auto it = std::find_if(devices.begin(), devices.end(),
                               [&](const QAudioDevice& d) { return d.id() == token->id; });
        if (it == devices.end())
            return fail(QStringLiteral("没有这个音频输出设备：") + token->description);
        chosen = *it;
    }
    playout.setDevice(chosen);
    return setAudioOutputStream(deviceStream);
}

bool EspeakVoice::setAudioOutputStream(std::shared_ptr<SpeechAudioStream> stream) {
    if (!stream)
        return fail(QStringLiteral("没有输出流"));
    if (allowFormatChange)
        stream->setFormatType(AudioFormats::k22kHz16BitMono);
    if (!stream->isFile() && !playout.supports(stream->format())) {
        const QString rejected = stream->format().name();
        stream->setFormatType(activeFormat.type);
        return fail(QStringLiteral("音频输出设备不支持这种格式：") + rejected);
    }
    outputStream = std::move(stream);
    activeFormat = outputStream->format();
    return true;
}

void EspeakVoice::setRate(int value) {
    rate = qBound(kRateMin, value, kRateMax);
}

void EspeakVoice::setVolume(int value) {
    volume = qBound(0, value, kVolumeMax);
}

std::shared_ptr<Utterance> EspeakVoice::newUtterance(int flags) {
    auto u = std::make_shared<Utterance>();
    u->stream = nextStream++;
    u->voiceId = currentVoice.id;
    applyRate(rate, *u);
    u->volume = volume;
    u->speakPunctuation = (flags & SpeakFlag::NLPSpeakPunc) != 0;
    u->format = activeFormat;
    u->target = outputStream;
    return u;
}

bool EspeakVoice::Speak(const QString& text, int flags) {
    lastError.clear();
    if (!engine->initializationError().isEmpty())
        return fail(engine->initializationError());
    if (flags & SpeakFlag::PurgeBeforeSpeak)
        purge();
    bool queued = true;
    if (flags & SpeakFlag::IsFilename) {
        QFile file(text);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("无法打开文件：") + text);
        if (WavFile::looksLikeWav(file.peek(12)) ||
            text.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive)) {
            file.close();
            queued = queueWav(text, flags);
        } else {
            const QByteArray bytes = file.readAll();
            if (bytes.isEmpty())
                return fail(QStringLiteral("文件是空的：") + text);
            if (!TextCodec::looksLikeText(bytes))
                return fail(QStringLiteral("这不是文本文件：") + text);
            queued = queueText(TextCodec::decode(bytes), flags);
        }
    } else if (!text.isEmpty()) {
        queued = queueText(text, flags);
    }
    if (!queued)
        return false;
    if (!(flags & SpeakFlag::Async) && !WaitUntilDone(-1))
        return false;
    return true;
}

bool EspeakVoice::queueText(const QString& text, int flags) {
    if (text.isEmpty())
        return true;
    std::shared_ptr<Utterance> u = newUtterance(flags);
    u->markup = (flags & SpeakFlag::IsXML) && !(flags & SpeakFlag::IsNotXML);
    EngineText engineText = SpeechMarkup::plain(text);
    if (u->markup) {
        const QList<VoiceToken>& voices = engine->voices();
        int current = 0;
        while (current < voices.size() && voices[current].id != currentVoice.id)
            ++current;
        engineText = SpeechMarkup::translate(text, voices, current);
    }
    u->utf8 = engineText.text.toUtf8();
    u->utf16At = std::move(engineText.sourceAt);
    u->voiceMarks = std::move(engineText.voiceMarks);
    {
        std::lock_guard lock(mutex);
        queue.push_back(u);
        engine->enqueue(u, 1, 0);
    }
    startPump();
    return true;
}

bool EspeakVoice::queueWav(const QString& path, int flags) {
    QString why;
    std::unique_ptr<WavFile> wav = WavFile::open(path, why);
    if (!wav)
        return fail(why + QStringLiteral("：") + path);
    std::shared_ptr<Utterance> u = newUtterance(flags);
    u->engineRate = wav->sampleRate();
    u->wav = std::move(wav);
    {
        std::lock_guard lock(mutex);
        queue.push_back(u);
    }
    startPump();
    return true;
}

void EspeakVoice::purge() {
    {
        std::lock_guard lock(mutex);
        for (const auto& u : queue)
            ++u->generation;
        queue.clear();
        engine->clearJobs();
        firstLiveStream = nextStream;
    }
    progress.notify_all();
    const PumpHold hold(pumping);
    playout.stop();
}

bool EspeakVoice::Pause() {
    paused = true;
    playout.setPaused(true);
    return true;
}

bool EspeakVoice::Resume() {
    paused = false;
    playout.setPaused(false);
    return true;
}

std::optional<int> EspeakVoice::Skip(const QString& type, int count) {
    if (type.compare(u"Sentence", Qt::CaseInsensitive) != 0) {
        fail(QStringLiteral("只能按句跳过"));
        return std::nullopt;
    }
    const qint64 played = playout.heard();
    std::shared_ptr<Utterance> u;
    int skipped = 0;
    {
        std::lock_guard lock(mutex);
        if (queue.empty() || !queue.front()->started || queue.front()->utf8.isEmpty())
            return 0;
        u = queue.front();
        const int target = std::max(1, u->sentence + count);
        skipped = target - u->sentence;
        const qint64 heard = u->target->isFile() ? u->sent : u->runStart + played;
        ++u->generation;
        u->events.clear();
        u->raw.clear();
        u->converter.reset();
        u->flushed = false;
        u->unsent = 0;
        u->pcm.clear();
        u->pcmStart = heard;
        u->sent = heard;
        u->synthesized = false;
        u->sentence = target;
        u->runStart = heard;
        engine->enqueue(u, target, heard);
    }
    progress.notify_all();
    if (!u->target->isFile()) {
        const PumpHold hold(pumping);
        playout.start(u->format);
    }
    return skipped;
}

bool EspeakVoice::WaitUntilDone(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        pump();
        {
            std::unique_lock lock(mutex);
            if (queue.empty())
                return true;
            // A paused voice would never finish what it plays.
            if (paused && !queue.front()->target->isFile())
                return fail(QStringLiteral("语音已暂停"));
            if (milliseconds >= 0 && timer.elapsed() >= milliseconds)
                return fail(QStringLiteral("等待超时"));
            progress.wait_for(lock, std::chrono::milliseconds(5));
        }
    }
}

void EspeakVoice::startPump() {
    if (!pumpTimer.isActive())
        pumpTimer.start();
}

void EspeakVoice::pump() {
    // Audio calls may run the event loop, and with it this timer's slot.
    if (pumping)
        return;
    {
        const PumpHold hold(pumping);
        feedQueue();
    }
    deliver();
}

void EspeakVoice::feedQueue() {
    for (;;) {
        std::shared_ptr<Utterance> u;
        std::vector<std::int16_t> raw;
        bool synthesized = false;
        {
            std::lock_guard lock(mutex);
            if (queue.empty())
                break;
            u = queue.front();
            raw.swap(u->raw);
            synthesized = u->synthesized;
        }
        qint64 heard = 0;
        if (u->wav) {
            heard = playWav(*u);
            synthesized = u->flushed;
        } else {
            // Converting and writing happen outside the lock, beside the engine's synthesis, in
            // slices small enough to stay in the cache.
            std::size_t at = 0;
            do {
                const std::size_t n = std::min(kSlice, raw.size() - at);
                convert(*u, raw.data() + at, n, synthesized && at + n == raw.size());
                heard = feed(*u);
                at += n;
            } while (at < raw.size());
        }
        bool finished = false;
        {
            std::lock_guard lock(mutex);
            finished = synthesized && u->flushed && u->sent == u->end() && heard >= u->end();
            collectEvents(*u, heard, finished);
            if (queue.empty() || queue.front() != u)
                break;
            if (finished) {
                if (!u->failure.isEmpty())
                    u->target->setFailure(u->failure);
                const int stream = u->stream;
                const qint64 end = u->end();
                notices.push_back({stream, [this, stream, end] { emit EndStream(stream, end); }});
                queue.pop_front();
            }
        }
        progress.notify_all();
        if (!finished)
            break;
    }
    bool idle = false;
    {
        std::lock_guard lock(mutex);
        idle = queue.empty();
    }
    if (idle) {
        pumpTimer.stop();
        playout.stop();
    }
}

qint64 EspeakVoice::playWav(Utterance& u) {
    // A file takes everything at once; the device gets half a second ahead of what it plays.
    qint64 heard = feed(u);
    std::vector<std::int16_t> block;
    while (!u.flushed && (u.target->isFile() || u.end() - u.sent < u.format.bytesPerSecond() / 2)) {
        block.clear();
        u.wav->read(kSlice, block);
        convert(u, block.data(), block.size(), u.wav->atEnd());
        heard = feed(u);
    }
    return heard;
}

void EspeakVoice::convert(Utterance& u, const std::int16_t* samples, std::size_t count, bool last) {
    if (count == 0 && (!last || u.flushed))
        return;
    if (!u.converter)
        u.converter = std::make_unique<SampleConverter>(u.engineRate, u.format);
    if (count > 0)
        u.converter->convert(samples, count, u.pcm);
    if (last && !u.flushed) {
        u.converter->finish(u.pcm);
        u.flushed = true;
    }
}

qint64 EspeakVoice::feed(Utterance& u) {
    if (!u.started) {
        u.started = true;
        const int stream = u.stream;
        notices.push_back({stream, [this, stream] { emit StartStream(stream, 0); }});
        if (!u.target->isFile()) {
            playout.start(u.format);
            u.runStart = u.sent;
        }
    }
    const qint64 from = u.sent - u.pcmStart;
    qint64 heard = 0;
    if (u.target->isFile()) {
        u.target->write(from == 0 ? u.pcm : u.pcm.mid(from));
        u.sent = u.end();
        heard = u.sent;
    } else {
        u.sent += playout.write(u.pcm.constData() + from, u.pcm.size() - from);
        heard = u.runStart + playout.heard();
    }
    if (u.sent == u.end())
        u.pcm.resize(0);
    else
        u.pcm.remove(0, u.sent - u.pcmStart);
    u.pcmStart = u.sent;
    u.unsent = u.end() - u.sent;
    return heard;
}

void EspeakVoice::collectEvents(Utterance& u, qint64 heard, bool all) {
    const int stream = u.stream;
    // A long text has tens of thousands of phonemes; nobody listening, nothing to queue.
    static const QMetaMethod phonemeSignal = QMetaMethod::fromSignal(&SpeechVoice::Phoneme);
    const bool phonemes = isSignalConnected(phonemeSignal);
    while (!u.events.empty() && (all || u.events.front().offset <= heard)) {
        const PendingEvent e = std::move(u.events.front());
        u.events.pop_front();
        switch (e.kind) {
        case PendingEvent::Kind::Word:
            notices.push_back(
                {stream, [this, stream, e] { emit Word(stream, e.offset, e.position, e.length); }});
            break;
        case PendingEvent::Kind::Sentence:
            u.sentence = e.sentence;
            notices.push_back(
                {stream, [this, stream, e] { emit Sentence(stream, e.offset, e.position, e.length); }});
            break;
        case PendingEvent::Kind::Phoneme:
            if (phonemes)
                notices.push_back({stream, [this, stream, e] { emit Phoneme(stream, e.offset, e.phoneme); }});
            break;
        case PendingEvent::Kind::VoiceChange: {
            const VoiceToken token = engine->voices().value(e.voiceIndex);
            notices.push_back(
                {stream, [this, stream, e, token] { emit VoiceChange(stream, e.offset, token); }});
            break;
        }
        }
    }
}

void EspeakVoice::deliver() {
    // A handler that waits on the voice pumps again; the outer loop keeps the order.
    if (delivering)
        return;
    delivering = true;
    while (!notices.empty()) {
        Notice n = std::move(notices.front());
        notices.pop_front();
        if (n.stream >= firstLiveStream)
            n.emitIt();
    }
    delivering = false;
}
