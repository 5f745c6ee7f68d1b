#include "reader/speech/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

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
};

// The synthesis callback runs on the thread that called espeak_Synth, so the context of that call
// is the calling thread's.
thread_local SynthContext* activeSynth = nullptr;

int synthCallback(short* wav, int count, espeak_EVENT* events);

int initializeLibrary(QString& error) {
    static int rate = [] {
        const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr,
                                        espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
        if (r > 0)
            espeak_SetSynthCallback(synthCallback);
        return r;
    }();
    if (rate <= 0)
        error = QStringLiteral("espeak-ng 语音引擎无法初始化（找不到 espeak-ng-data）");
    return rate;
}

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

PendingEvent::Kind kindOf(espeak_EVENT_TYPE type) {
    switch (type) {
    case espeakEVENT_WORD:
        return PendingEvent::Kind::Word;
    case espeakEVENT_SENTENCE:
        return PendingEvent::Kind::Sentence;
    default:
        return PendingEvent::Kind::Phoneme;
    }
}

void addEvent(SynthContext& c, const espeak_EVENT& e) {
    if (e.type != espeakEVENT_WORD && e.type != espeakEVENT_SENTENCE && e.type != espeakEVENT_PHONEME)
        return;
    Utterance& u = *c.utterance;
    const qint64 frames = qint64(e.audio_position) * u.format.sampleRate / 1000;
    const qint64 offset = std::max(c.lastOffset, c.offset + frames * u.format.bytesPerFrame());
    c.lastOffset = offset;
    PendingEvent ev;
    ev.kind = kindOf(e.type);
    ev.offset = offset;
    if (ev.kind == PendingEvent::Kind::Phoneme) {
        ev.phoneme = QString::fromUtf8(e.id.string, qsizetype(strnlen(e.id.string, sizeof e.id.string)));
        u.events.push_back(std::move(ev));
        return;
    }
    // espeak counts code points from 1; the voice reports UTF-16 offsets from 0.
    const int last = int(u.utf16At.size()) - 1;
    const int first = std::clamp(e.text_position - 1, 0, last);
    ev.position = u.utf16At[std::size_t(first)];
    ev.length = u.utf16At[std::size_t(std::clamp(first + std::max(e.length, 0), 0, last))] - ev.position;
    ev.sentence = e.id.number;
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

int synthCallback(short* wav, int count, espeak_EVENT* events) {
    SynthContext* c = activeSynth;
    if (!c)
        return 1;
    std::unique_lock lock(*c->mutex);
    Utterance& u = *c->utterance;
    if (*c->stopping || u.generation != c->generation)
        return 1;
    for (espeak_EVENT* e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e)
        addEvent(*c, *e);
    if (wav && count > 0)
        u.raw.insert(u.raw.end(), wav, wav + count);
    c->progress->notify_all();
    // Waits for the output side, so that what is made and not yet played or written stays small.
    auto ahead = [&] {
        return double(u.raw.size()) / c->sampleRate + double(u.unsent.load()) / u.format.bytesPerSecond();
    };
    const int lead = u.target->isFile() ? EspeakEngine::kFileLeadSeconds : EspeakEngine::kLeadSeconds;
    c->progress->wait(lock, [&] { return *c->stopping || u.generation != c->generation || ahead() < lead; });
    return (*c->stopping || u.generation != c->generation) ? 1 : 0;
}

} // namespace

EspeakEngine::EspeakEngine(std::mutex& mutex, std::condition_variable& progress)
    : mutex(mutex), progress(progress) {
    std::lock_guard library(libraryLock());
    rate = initializeLibrary(error);
    if (rate <= 0)
        return;
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
    {
        std::lock_guard library(libraryLock());
        espeak_SetVoiceByName(u.voiceId.toUtf8().constData());
        espeak_SetParameter(espeakRATE, u.wordsPerMinute, 0);
        espeak_SetParameter(espeakWORDGAP, u.wordGap, 0);
        espeak_SetParameter(espeakVOLUME, u.volume, 0);
        espeak_SetParameter(espeakPUNCTUATION, u.speakPunctuation ? espeakPUNCT_ALL : espeakPUNCT_NONE, 0);
        const unsigned flags = espeakCHARS_UTF8 | espeakENDPAUSE | (u.markup ? espeakSSML : 0u);
        activeSynth = &context;
        espeak_Synth(u.utf8.constData(), std::size_t(u.utf8.size()) + 1,
                     job.fromSentence > 1 ? unsigned(job.fromSentence) : 0u, POS_SENTENCE, 0, flags, nullptr,
                     nullptr);
        activeSynth = nullptr;
    }
    std::lock_guard lock(mutex);
    if (u.generation != job.generation)
        return;
    u.synthesized = true;
    progress.notify_all();
}
