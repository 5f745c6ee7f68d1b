#pragma once

#include "reader/speech/EspeakLibrary.h"
#include "reader/speech/SpeechTokens.h"
#include "reader/speech/Utterance.h"

#include <QList>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// The espeak-ng library, synthesising on a thread of its own into the utterances it is given.
// The library is one per process: one engine at a time uses it, and every call into it is
// serialised.
class EspeakEngine {
public:
    // `mutex` guards the utterances' shared fields; `progress` is notified whenever they change.
    // Utterances into files are synthesised by `helperProgram` (the synthesis helper process).
    EspeakEngine(std::mutex& mutex, std::condition_variable& progress, QString helperProgram);
    ~EspeakEngine();
    EspeakEngine(const EspeakEngine&) = delete;
    EspeakEngine& operator=(const EspeakEngine&) = delete;

    // Empty when the library is ready.
    QString initializationError() const { return error; }
    int sampleRate() const { return rate; }
    // British English first, then other English, then Mandarin, then the rest.
    const QList<VoiceToken>& voices() const { return voiceList; }

    // Synthesises the utterance from the given sentence (1-based) on; bytes land after `offset`.
    // Call with the mutex held.
    void enqueue(std::shared_ptr<Utterance> utterance, int fromSentence, qint64 offset);
    // Drops every job not yet begun. Call with the mutex held.
    void clearJobs();

    // How far the engine may run ahead of what the device has taken, or of what was written to a
    // file: a file's lead is longer, so that the engine seldom waits for the writer.
    static constexpr int kLeadSeconds = 4;
    static constexpr int kFileLeadSeconds = 60;

private:
    struct Job {
        std::shared_ptr<Utterance> utterance;
        int generation;
        int fromSentence;
        qint64 offset;
    };

    void run();
    void synthesize(const Job& job);
    // Empty when the helper spoke the whole request or `abandoned` said to stop; otherwise why not.
    QString synthesizeInHelper(const SynthesisRequest& request, const EspeakLibrary::Sink& sink,
                               const std::function<bool()>& abandoned) const;

    std::mutex& mutex;
    std::condition_variable& progress;
    std::condition_variable wake;
    std::deque<Job> jobs;
    bool stopping = false;
    QString helper;
    QString error;
    int rate = 0;
    QList<VoiceToken> voiceList;
    std::thread worker;
};
