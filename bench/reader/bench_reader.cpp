// The reader window's WAV export of 5,000 and 50,000 words against the espeak-ng command line on
// the same text, the export's peak memory, and the peak memory of playing a 100 MB WAV file. Each
// export and playback runs in a child process of its own, so that its peak memory is its own.
#include "platform/testing/FakeServices.h"
#include "reader/Sayloom.h"
#include "reader/speech/EspeakVoice.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <cstdio>
#include <random>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

QString makeText(int words) {
    const QStringList vocabulary =
        QStringLiteral(
            "the a of and to in is was that it for on with as his they at be this from have or by one had "
            "not but what all were when we there can an your which their said if do will each about how up "
            "out them then she many some so these would other into has more her two like him see time could "
            "no make than first been its who now people my made over did down only way find use may water "
            "long little very after words called just where most know get through back much before go good "
            "new write our used me man too any day same right look think also around another came come work "
            "three word must because does part even place well such here take why things help put years "
            "different away again off went old")
            .split(u' ');
    std::mt19937 random(7);
    std::uniform_int_distribution<qsizetype> pick(0, vocabulary.size() - 1);
    std::uniform_int_distribution<int> sentenceLength(6, 16);
    QString text;
    int left = sentenceLength(random);
    bool capital = true;
    for (int i = 0; i < words; ++i) {
        QString w = vocabulary[pick(random)];
        if (capital)
            w[0] = w[0].toUpper();
        text += w;
        capital = --left == 0;
        text += capital ? QStringLiteral(". ") : QStringLiteral(" ");
        if (capital)
            left = sentenceLength(random);
    }
    return text.trimmed() + u'.';
}

struct Run {
    double seconds = -1;
    double peakMegabytes = -1;
};

// Runs a program to its end; its wall time and peak resident memory.
Run runProgram(const QStringList& arguments) {
    std::vector<QByteArray> bytes;
    for (const QString& a : arguments)
        bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {timer.nsecsElapsed() / 1e9, usage.ru_maxrss / 1024.0};
}

// In the child: the window exports the text file into a WAV file, as a user does; the export's
// own time, from the menu command to its end, goes into `timeFile`.
int exportInWindow(const QString& textFile, const QString& wavFile, const QString& timeFile) {
    FakeServices fakes;
    Sayloom window(fakes.services(), std::make_unique<EspeakVoice>());
    const int rp =
        window.VoiceCB->findText(QStringLiteral("English (Received Pronunciation)"), Qt::MatchStartsWith);
    if (rp >= 0) {
        window.VoiceCB->setCurrentIndex(rp);
        window.VoiceCB_Click();
    }
    QFile file(textFile);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    window.MainTxtBox->setText(QString::fromUtf8(file.readAll()));
    window.show();
    fakes.dialogs.saveAnswers.push_back({wavFile});
    QElapsedTimer timer;
    timer.start();
    window.menuFileSaveToWave_Click();
    QFile times(timeFile);
    if (!times.open(QIODevice::WriteOnly) || times.write(QByteArray::number(timer.nsecsElapsed() / 1e9)) < 0)
        return 1;
    return fakes.messageBox.shown.size() == 1 ? 0 : 1;
}

// In the child: the window plays the WAV file for a few seconds.
int playInWindow(const QString& wavFile) {
    FakeServices fakes;
    Sayloom window(fakes.services(), std::make_unique<EspeakVoice>());
    window.show();
    fakes.dialogs.openAnswers.push_back({wavFile});
    window.menuFileSpeakWave_Click();
    if (!window.speaking())
        return 1;
    QTimer::singleShot(3000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    window.StopBtn_Click();
    return 0;
}

bool writeSilentWav(const QString& path, qint64 dataBytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray h("RIFF____WAVEfmt ");
    auto put = [&](quint32 v, int size) {
        char raw[4];
        qToLittleEndian(v, raw);
        h.append(raw, size);
    };
    qToLittleEndian(quint32(36 + dataBytes), h.data() + 4);
    put(16, 4);
    put(1, 2);
    put(2, 2);
    put(48000, 4);
    put(48000 * 4, 4);
    put(4, 2);
    put(16, 2);
    h.append("data");
    put(quint32(dataBytes), 4);
    f.write(h);
    const QByteArray block(1 << 20, '\x02');
    for (qint64 done = 0; done < dataBytes; done += block.size())
        f.write(block.constData(), qMin<qint64>(block.size(), dataBytes - done));
    return f.error() == QFile::NoError;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 5 && args[1] == u"--export")
        return exportInWindow(args[2], args[3], args[4]);
    if (args.size() == 3 && args[1] == u"--play")
        return playInWindow(args[2]);
    if (args.size() != 1)
        return 2;

    QTemporaryDir dir;
    const QString self = QCoreApplication::applicationFilePath();
    for (const int words : {5000, 50000}) {
        const QString textFile = dir.filePath(QStringLiteral("text.txt"));
        QFile file(textFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(makeText(words).toUtf8()) < 0)
            return 1;
        file.close();
        const Run cli = runProgram({QStringLiteral("espeak-ng"), QStringLiteral("-v"),
                                    QStringLiteral("en-gb-x-rp"), QStringLiteral("-w"),
                                    dir.filePath(QStringLiteral("cli.wav")), QStringLiteral("-f"), textFile});
        const QString timeFile = dir.filePath(QStringLiteral("time.txt"));
        const Run window = runProgram(
            {self, QStringLiteral("--export"), textFile, dir.filePath(QStringLiteral("out.wav")), timeFile});
        QFile times(timeFile);
        const double exportSeconds = times.open(QIODevice::ReadOnly) ? times.readAll().toDouble() : -1;
        std::printf("espeak_cli_%d_words: %.3f s\n", words, cli.seconds);
        std::printf("window_export_%d_words: %.3f s\n", words, exportSeconds);
        std::printf("window_export_%d_words_ratio: %.2f x (target <= 1.2)\n", words,
                    cli.seconds > 0 && exportSeconds > 0 ? exportSeconds / cli.seconds : -1.0);
        std::printf("window_export_%d_words_peak_memory: %.1f MB (target <= %s)\n", words,
                    window.peakMegabytes, words == 50000 ? "100" : "-");
        QFile::remove(dir.filePath(QStringLiteral("cli.wav")));
        QFile::remove(dir.filePath(QStringLiteral("out.wav")));
    }
    const QString wav = dir.filePath(QStringLiteral("big.wav"));
    if (!writeSilentWav(wav, 100LL * 1024 * 1024))
        return 1;
    const Run play = runProgram({self, QStringLiteral("--play"), wav});
    std::printf("window_play_100mb_wav_peak_memory: %.1f MB (target <= 100)\n", play.peakMegabytes);
    return 0;
}
