#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A voice of the engine: its identifier, a description naming the voice and its language, and
// the languages it speaks, most preferred first.
struct VoiceToken {
    QString id;
    QString description;
    QStringList languages;

    bool isMandarin() const;
    QString GetDescription() const { return description; }
};

// An audio output device.
struct AudioOutputToken {
    QByteArray id;
    QString description;

    QString GetDescription() const { return description; }
};
