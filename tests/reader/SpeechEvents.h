#pragma once

#include "reader/speech/SpeechVoice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

#include <functional>
#include <vector>

// Records what a voice reports, in order.
struct SpeechEvents {
    struct Event {
        QString kind;
        int stream = 0;
        qint64 offset = 0;
        int position = 0;
        int length = 0;
        QString voice;
    };

    explicit SpeechEvents(SpeechVoice& voice) {
        QObject::connect(&voice, &SpeechVoice::StartStream, &voice, [this](int s, qint64 o) {
            events.push_back({QStringLiteral("start"), s, o, 0, 0, {}});
        });
        QObject::connect(&voice, &SpeechVoice::EndStream, &voice, [this](int s, qint64 o) {
            events.push_back({QStringLiteral("end"), s, o, 0, 0, {}});
        });
        QObject::connect(&voice, &SpeechVoice::Word, &voice, [this](int s, qint64 o, int p, int l) {
            events.push_back({QStringLiteral("word"), s, o, p, l, {}});
        });
        QObject::connect(&voice, &SpeechVoice::Sentence, &voice, [this](int s, qint64 o, int p, int l) {
            events.push_back({QStringLiteral("sentence"), s, o, p, l, {}});
        });
        QObject::connect(&voice, &SpeechVoice::VoiceChange, &voice,
                         [this](int s, qint64 o, const VoiceToken& t) {
                             events.push_back({QStringLiteral("voice"), s, o, 0, 0, t.id});
                         });
    }

    std::vector<Event> of(const QString& kind) const {
        std::vector<Event> out;
        for (const Event& e : events) {
            if (e.kind == kind)
                out.push_back(e);
        }
        return out;
    }
    int count(const QString& kind) const { return int(of(kind).size()); }

    std::vector<Event> events;
};

// Runs the event loop until the condition holds or the time is up.
inline bool waitFor(const std::function<bool()>& done, int milliseconds = 30000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    return true;
}
