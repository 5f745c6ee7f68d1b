#include "reader/speech/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstring>

namespace {

// espeak-ng keeps its state per process: every call into it goes through this lock.
std::mutex& libraryLock() {
    static std::mutex lock;
    return lock;
}

struct SynthContext {
    std::mutex* mutex;
    std::condition_variable* progress;
    const bool* stopping;
    Utterance* utterance;
    int generation;
    qint64 offset;
    qint64 lastOffset;
    int sampleRate;

    // Call with the mutex held.
    bool abandoned() const { return *stopping || utterance->generation != generation; }
};

QString readable(const char* name) {
    return QString::fromUtf8(name).replace(u'_', u' ');
}

int voiceGroup(const VoiceToken& v) {
    const QString lang = v.languages.value(0).toLower();
    if (lang == u"en-gb" || lang.startsWith(u"en-gb-"))
        return 0;
    if (lang == u"en" || lang.startsWith(u"en-"))
        return 1;
    if (v.isMandarin())
        return 2;
    return 3;
}

QList<VoiceToken> listVoices() {
    struct Entry {
        VoiceToken token;
        int priority;
    };
    std::vector<Entry> entries;
    const espeak_VOICE** list = espeak_ListVoices(nullptr);
    for (int i = 0; list && list[i]; ++i) {
        const espeak_VOICE* v = list[i];
        Entry e;
        e.token.id = QString::fromUtf8(v->identifier);
        e.priority = v->languages && v->languages[0] ? v->languages[0] : 99;
        for (const char* p = v->languages; p && *p;) {
            const char* language = p + 1;
            e.token.languages.append(QString::fromUtf8(language));
            p = language + std::strlen(language) + 1;
        }
        e.token.description = readable(v->name) + QStringLiteral(" - ") + e.token.languages.value(0);
        entries.push_back(std::move(e));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        const int ga = voiceGroup(a.token);
        const int gb = voiceGroup(b.token);
        if (ga != gb)
            return ga < gb;
        if (ga < 3 && a.priority != b.priority)
            return a.priority < b.priority;
        return a.token.description < b.token.description;
    });
    QList<VoiceToken> tokens;
    for (Entry& e : entries)
        tokens.append(std::move(e.token));
    return tokens;
}

PendingEvent::Kind kindOf(EngineEvent::Kind kind) {
    switch (kind) {
    case EngineEvent::Kind::Word:
        return PendingEvent::Kind::Word;
    case EngineEvent::Kind::Sentence:
        return PendingEvent::Kind::Sentence;
    case EngineEvent::Kind::Phoneme:
        break;
    }
    return PendingEvent::Kind::Phoneme;
}

void addEvent(SynthContext& c, const EngineEvent& e) {
    Utterance& u = *c.utterance;
    const qint64 frames = qint64(e.audioMs) * u.format.sampleRate / 1000;
    const qint64 offset = std::max(c.lastOffset, c.offset + frames * u.format.bytesPerFrame());
    c.lastOffset = offset;
    PendingEvent ev;
    ev.kind = kindOf(e.kind);
    ev.offset = offset;
    if (ev.kind == PendingEvent::Kind::Phoneme) {
        ev.phoneme = QString::fromUtf8(e.phoneme);
        u.events.push_back(std::move(ev));
        return;
    }
    // espeak counts code points from 1; the voice reports UTF-16 offsets from 0.
    const int last = int(u.utf16At.size()) - 1;
    const int first = std::clamp(e.textPosition - 1, 0, last);
    ev.position = u.utf16At[std::size_t(first)];
    ev.length = u.utf16At[std::size_t(std::clamp(first + std::max(e.length, 0), 0, last))] - ev.position;
    ev.sentence = e.number;
    if (ev.kind == PendingEvent::Kind::Word) {
        while (u.marksDone < u.voiceMarks.size() && u.voiceMarks[u.marksDone].position <= ev.position) {
            PendingEvent change;
            change.kind = PendingEvent::Kind::VoiceChange;
            change.offset = offset;
            change.voiceIndex = u.voiceMarks[u.marksDone++].voiceIndex;
            u.events.push_back(change);
        }
        // After some earlier texts the library reports empty words at markup; they mark nothing.
        if (ev.length == 0)
            return;
    }
    u.events.push_back(std::move(ev));
}

// Takes one step of the synthesis; false when the utterance is no longer wanted.
bool take(SynthContext& c, const std::vector<EngineEvent>& events, const std::int16_t* samples,
          std::size_t count) {
    std::unique_lock lock(*c.mutex);
    Utterance& u = *c.utterance;
    if (c.abandoned())
        return false;
    for (const EngineEvent& e : events)
        addEvent(c, e);
    u.raw.insert(u.raw.end(), samples, samples + count);
    c.progress->notify_all();
    // Waits for the output side, so that what is made and not yet played or written stays small.
    auto ahead = [&] {
        return double(u.raw.size()) / c.sampleRate + double(u.unsent.load()) / u.format.bytesPerSecond();
    };
    const int lead = u.target->isFile() ? EspeakEngine::kFileLeadSeconds : EspeakEngine::kLeadSeconds;
    c.progress->wait(lock, [&] { return c.abandoned() || ahead() < lead; });
    return !c.abandoned();
}

SynthesisRequest requestOf(const Utterance& u, int fromSentence) {
    return {u.voiceId,          u.wordsPerMinute, u.wordGap,    u.volume,
            u.speakPunctuation, u.markup,         fromSentence, u.utf8};
}

} // namespace

EspeakEngine::EspeakEngine(std::mutex& mutex, std::condition_variable& progress, QString helperProgram)
    : mutex(mutex), progress(progress), helper(std::move(helperProgram)) {
    std::lock_guard library(libraryLock());
    rate = EspeakLibrary::initialize();
    if (rate <= 0) {
        error = QStringLiteral("espeak-ng 语音引擎无法初始化（找不到 espeak-ng-data）");
        return;
    }
    // Listing the voices again after a synthesis changes how the library speaks: once per process.
    static const QList<VoiceToken> voices = listVoices();
    voiceList = voices;
    worker = std::thread([this] { run(); });
}

EspeakEngine::~EspeakEngine() {
    {
        std::lock_guard lock(mutex);
        stopping = true;
        jobs.clear();
    }
    wake.notify_all();
    progress.notify_all();
    if (worker.joinable())
        worker.join();
}

void EspeakEngine::enqueue(std::shared_ptr<Utterance> utterance, int fromSentence, qint64 offset) {
    const int generation = utterance->generation;
    utterance->engineRate = rate;
    jobs.push_back({std::move(utterance), generation, fromSentence, offset});
    wake.notify_all();
}

void EspeakEngine::clearJobs() {
    jobs.clear();
}

void EspeakEngine::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return stopping || !jobs.empty(); });
            if (stopping)
                return;
            job = std::move(jobs.front());
            jobs.pop_front();
            if (job.utterance->generation != job.generation)
                continue;
        }
        synthesize(job);
    }
}

void EspeakEngine::synthesize(const Job& job) {
    Utterance& u = *job.utterance;
    SynthContext context{&mutex, &progress, &stopping, &u, job.generation, job.offset, job.offset, rate};
    const SynthesisRequest request = requestOf(u, job.fromSentence);
    const auto sink = [&](const std::vector<EngineEvent>& events, const std::int16_t* samples,
                          std::size_t count) { return take(context, events, samples, count); };
    // The library carries state from one text to the next that no call resets: a file, which must
    // come out the same every time, is made by a helper process whose library is new.
    QString failure;
    if (u.target->isFile()) {
        failure = synthesizeInHelper(request, sink, [&] {
            std::lock_guard lock(mutex);
            return context.abandoned();
        });
    } else {
        std::lock_guard library(libraryLock());
        EspeakLibrary::speak(request, sink);
    }
    std::lock_guard lock(mutex);
    if (u.generation != job.generation)
        return;
    u.failure = failure;
    u.synthesized = true;
    progress.notify_all();
}

QString EspeakEngine::synthesizeInHelper(const SynthesisRequest& request, const EspeakLibrary::Sink& sink,
                                         const std::function<bool()>& abandoned) const {
    // How long a helper may stay silent while it is waited for.
    constexpr int kSilenceMs = 30000;
    constexpr int kPollMs = 50;
    QProcess helperProcess;
    helperProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helperProcess.start(helper, {});
    if (!helperProcess.waitForStarted())
        return QStringLiteral("无法启动语音合成程序 ") + helper;
    const auto stop = [&](const QString& why) {
        helperProcess.kill();
        helperProcess.waitForFinished();
        return why;
    };
    // The request goes out while the output is read: a helper that does not read it cannot stall us.
    helperProcess.write(request.encode());
    helperProcess.closeWriteChannel();
    SynthesisFrameReader frames;
    SynthesisBlock block;
    const QString broken = QStringLiteral("语音合成程序意外中止");
    QElapsedTimer silence;
    silence.start();
    for (;;) {
        switch (frames.next(block)) {
        case SynthesisFrameReader::Status::Block:
            if (!sink(block.events, block.samples.data(), block.samples.size()))
                return stop({});
            silence.restart();
            continue;
        case SynthesisFrameReader::Status::End:
            if (!helperProcess.waitForFinished() || helperProcess.exitStatus() != QProcess::NormalExit ||
                helperProcess.exitCode() != 0)
                return broken;
            return {};
        case SynthesisFrameReader::Status::Garbled:
            return stop(QStringLiteral("语音合成程序送回了无法识别的数据"));
        case SynthesisFrameReader::Status::NeedMore:
            break;
        }
        if (abandoned())
            return stop({});
        const bool running = helperProcess.state() == QProcess::Running;
        if (running)
            helperProcess.waitForReadyRead(kPollMs);
        const QByteArray bytes = helperProcess.readAllStandardOutput();
        if (!bytes.isEmpty()) {
            frames.append(bytes);
            silence.restart();
        } else if (!running) {
            return stop(broken);
        } else if (silence.elapsed() > kSilenceMs) {
            return stop(QStringLiteral("语音合成程序没有响应"));
        }
    }
}
