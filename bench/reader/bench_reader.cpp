// WAV export of a 5,000-word text, against the espeak-ng command line on the same text.
#include "reader/speech/EspeakVoice.h"
#include "reader/speech/SpFileStream.h"
#include "reader/speech/SpeakFlags.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

QString makeText(int words) {
    const QStringList vocabulary =
        QStringLiteral(
            "the a of and to in is was that it for on with as his they at be this from have or by one had "
            "not but "
            "what all were when we there can an your which their said if do will each about how up out them "
            "then "
            "she many some so these would other into has more her two like him see time could no make than "
            "first "
            "been its who now people my made over did down only way find use may water long little very "
            "after "
            "words called just where most know get through back much before go good new write our used me "
            "man "
            "too any day same right look think also around another came come work three word must because "
            "does "
            "part even place well such here take why things help put years different away again off went old")
            .split(u' ');
    std::mt19937 random(7);
    std::uniform_int_distribution<qsizetype> pick(0, vocabulary.size() - 1);
    std::uniform_int_distribution<int> sentenceLength(6, 16);
    QString text;
    int left = sentenceLength(random);
    for (int i = 0; i < words; ++i) {
        QString w = vocabulary[pick(random)];
        if (text.isEmpty() || (text.endsWith(u' ') && text.at(text.size() - 2) == u'.'))
            w[0] = w[0].toUpper();
        text += w;
        text += --left == 0 ? QStringLiteral(". ") : QStringLiteral(" ");
        if (left == 0)
            left = sentenceLength(random);
    }
    return text.trimmed() + u'.';
}

double exportSeconds(EspeakVoice& voice, const QString& text, int format, const QString& path) {
    auto stream = std::make_shared<SpFileStream>();
    stream->setFormatType(format);
    QElapsedTimer timer;
    timer.start();
    if (!stream->Open(path))
        return -1;
    voice.setAllowAudioOutputFormatChangesOnNextSet(false);
    voice.setAudioOutputStream(stream);
    voice.Speak(text, SpeakFlag::Async | SpeakFlag::IsNotXML);
    voice.WaitUntilDone(-1);
    voice.setAudioOutput(std::nullopt);
    if (!stream->Close())
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

double commandLineSeconds(const QString& textFile, const QString& wavFile) {
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(QStringLiteral("espeak-ng"),
                  {QStringLiteral("-v"), QStringLiteral("en-gb-x-rp"), QStringLiteral("-w"), wavFile,
                   QStringLiteral("-f"), textFile});
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    EspeakVoice voice;
    if (!voice.initializationError().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(voice.initializationError()));
        return 1;
    }
    for (const VoiceToken& v : voice.GetVoices()) {
        if (v.id.endsWith(u"en-GB-x-rp", Qt::CaseInsensitive))
            voice.setVoice(v);
    }
    const QString text = makeText(5000);
    const QString textFile = dir.filePath(QStringLiteral("text.txt"));
    QFile file(textFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        return 1;
    file.close();

    const double reference = commandLineSeconds(textFile, dir.filePath(QStringLiteral("cli.wav")));
    struct Case {
        const char* name;
        int format;
        double target;
    };
    std::printf("espeak_cli_5000_words: %.3f s\n", reference);
    for (const Case c :
         {Case{"export_22khz_16bit_mono", 22, 1.2}, Case{"export_48khz_16bit_stereo", 39, 1.5}}) {
        const double seconds = exportSeconds(voice, text, c.format, dir.filePath(QStringLiteral("out.wav")));
        std::printf("%s: %.3f s\n", c.name, seconds);
        std::printf("%s_ratio: %.2f x (target <= %.1f)\n", c.name, reference > 0 ? seconds / reference : -1.0,
                    c.target);
    }
    return 0;
}
