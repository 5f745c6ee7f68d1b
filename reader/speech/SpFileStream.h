#pragma once

#include "reader/speech/SpeechAudioStream.h"

#include <QString>

#include <memory>

class QSaveFile;

// A RIFF WAV file in the stream's format. The file appears under its name only when Close
// succeeds, so a failed export never destroys an older file of that name.
class SpFileStream final : public SpeechAudioStream {
public:
    static constexpr int SSFMCreateForWrite = 3;

    SpFileStream();
    ~SpFileStream() override;

    // Only create-for-write is supported; false when the file cannot be created.
    bool Open(const QString& fileName, int mode = SSFMCreateForWrite);
    // Finishes the header and puts the file in place; false when that fails or the stream did not
    // get all of its audio.
    bool Close();
    bool isOpen() const { return file != nullptr; }

    bool isFile() const override { return true; }
    void write(const QByteArray& bytes) override;

private:
    QByteArray header(quint32 dataBytes) const;

    std::unique_ptr<QSaveFile> file;
    AudioFormat openFormat;
    qint64 dataBytes = 0;
    bool failed = false;
};
