#include "reader/speech/EspeakVoice.h"
#include "reader/speech/SpFileStream.h"
#include "reader/speech/SpeakFlags.h"
#include "tests/reader/SpeechEvents.h"
#include "tests/reader/WavCheck.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include <signal.h>

namespace {

constexpr int kAsync = SpeakFlag::Async | SpeakFlag::IsNotXML;

class SpeechTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(voice.initializationError().isEmpty()) << voice.initializationError().toStdString();
    }

    // Words as heard, as the text they select.
    QStringList heardWords(const QString& text) const {
        QStringList words;
        for (const auto& e : events.of(QStringLiteral("word")))
            words.append(text.mid(e.position, e.length));
        return words;
    }

    bool ended() const { return events.count(QStringLiteral("end")) > 0; }

    // Exports the text in the format and returns the file's bytes.
    QByteArray exportWav(const QString& text, int format, int flags = SpeakFlag::IsNotXML) {
        auto stream = std::make_shared<SpFileStream>();
        EXPECT_TRUE(stream->setFormatType(format));
        const QString path = folder.file(QStringLiteral("out.wav"));
        EXPECT_TRUE(stream->Open(path));
        voice.setAllowAudioOutputFormatChangesOnNextSet(false);
        EXPECT_TRUE(voice.setAudioOutputStream(stream));
        EXPECT_TRUE(voice.Speak(text, flags));
        EXPECT_TRUE(voice.WaitUntilDone(-1));
        EXPECT_TRUE(voice.setAudioOutput(std::nullopt));
        EXPECT_TRUE(stream->Close());
        return folder.read(QStringLiteral("out.wav"));
    }

    TempFolder folder;
    EspeakVoice voice;
    SpeechEvents events{voice};
};

TEST_F(SpeechTest, VoicesComeBritishEnglishFirstThenEnglishThenMandarin) {
    const QList<VoiceToken> voices = voice.GetVoices();
    ASSERT_GT(voices.size(), 10);
    EXPECT_TRUE(voices[0].languages.value(0).startsWith(u"en-gb")) << voices[0].description.toStdString();
    EXPECT_TRUE(voices[0].description.contains(u"en-gb"));
    int lastGroup = 0;
    bool sawMandarin = false;
    for (const VoiceToken& v : voices) {
        const QString lang = v.languages.value(0);
        const int group = lang.startsWith(u"en-gb") ? 0 : lang.startsWith(u"en") ? 1 : v.isMandarin() ? 2 : 3;
        EXPECT_GE(group, lastGroup) << v.description.toStdString();
        lastGroup = group;
        sawMandarin = sawMandarin || v.isMandarin();
    }
    EXPECT_TRUE(sawMandarin);
    EXPECT_EQ(voice.Voice().id, voices[0].id);
}

TEST_F(SpeechTest, WordEventsSelectTheWordsInOrderBetweenStartAndEnd) {
    const QString text = QStringLiteral("Hello world. This is a test.");
    ASSERT_TRUE(voice.Speak(text, kAsync));
    ASSERT_TRUE(waitFor([&] { return ended(); }));
    EXPECT_EQ(heardWords(text),
              QStringList({QStringLiteral("Hello"), QStringLiteral("world"), QStringLiteral("This"),
                           QStringLiteral("is"), QStringLiteral("a"), QStringLiteral("test")}));
    ASSERT_FALSE(events.events.empty());
    EXPECT_EQ(events.events.front().kind, QStringLiteral("start"));
    EXPECT_EQ(events.events.back().kind, QStringLiteral("end"));
    const auto sentences = events.of(QStringLiteral("sentence"));
    ASSERT_EQ(sentences.size(), 2u);
    EXPECT_EQ(sentences[0].position, 0);
    EXPECT_EQ(sentences[1].position, 13);
    qint64 last = 0;
    for (const auto& e : events.events) {
        EXPECT_GE(e.offset, last);
        last = e.offset;
    }
    // The words were heard at the pace of the audio, not all at once.
    const auto words = events.of(QStringLiteral("word"));
    EXPECT_GT(words.back().offset - words.front().offset, 22050 * 2 / 2);
}

TEST_F(SpeechTest, PositionsCountUtf16UnitsAcrossAccentsChineseAndSurrogatePairs) {
    const QString text = QStringLiteral("😀 Héllo 你好 wörld café.\r\nÇa va?");
    ASSERT_TRUE(voice.Speak(text, kAsync));
    ASSERT_TRUE(waitFor([&] { return ended(); }));
    const QStringList words = heardWords(text);
    for (const QString& expected : {QStringLiteral("Héllo"), QStringLiteral("wörld"), QStringLiteral("café"),
                                    QStringLiteral("Ça"), QStringLiteral("va")})
        EXPECT_TRUE(words.contains(expected))
            << expected.toStdString() << " in " << words.join(u'|').toStdString();
    for (const auto& e : events.of(QStringLiteral("word"))) {
        EXPECT_GE(e.position, 0);
        EXPECT_LE(e.position + e.length, text.size());
    }
}

TEST_F(SpeechTest, PauseHoldsTheSpeechAndResumeGoesOn) {
    const QString text = QStringLiteral("One two three four five six seven eight nine ten eleven twelve.");
    ASSERT_TRUE(voice.Speak(text, kAsync));
    ASSERT_TRUE(waitFor([&] { return events.count(QStringLiteral("word")) >= 2; }));
    voice.Pause();
    const int wordsAtPause = events.count(QStringLiteral("word"));
    waitFor([] { return false; }, 1200);
    // At most the word whose audio was already under way when the pause came.
    EXPECT_LE(events.count(QStringLiteral("word")), wordsAtPause + 1);
    EXPECT_FALSE(ended());
    voice.Resume();
    ASSERT_TRUE(waitFor([&] { return ended(); }));
    EXPECT_EQ(events.count(QStringLiteral("word")), 12);
}

TEST_F(SpeechTest, SkipJumpsForwardAndBackBySentences) {
    const QString text =
        QStringLiteral("Alpha beta gamma. Delta epsilon zeta. Eta theta iota. Kappa lambda mu.");
    ASSERT_TRUE(voice.Speak(text, kAsync));
    ASSERT_TRUE(waitFor([&] { return events.count(QStringLiteral("word")) >= 1; }));
    EXPECT_EQ(voice.Skip(QStringLiteral("Sentence"), 2), 2);
    ASSERT_TRUE(waitFor([&] { return heardWords(text).contains(QStringLiteral("Eta")); }));
    EXPECT_FALSE(heardWords(text).contains(QStringLiteral("Delta")));
    EXPECT_EQ(voice.Skip(QStringLiteral("Sentence"), -1), -1);
    ASSERT_TRUE(waitFor([&] { return ended(); }));
    const QStringList words = heardWords(text);
    EXPECT_TRUE(words.contains(QStringLiteral("Delta"))) << words.join(u'|').toStdString();
    EXPECT_EQ(words.count(QStringLiteral("Kappa")), 1);
    EXPECT_EQ(events.count(QStringLiteral("end")), 1);
    EXPECT_FALSE(voice.Skip(QStringLiteral("Word"), 1).has_value());
}

TEST_F(SpeechTest, PurgeDropsWhatWasSaidAndQueued) {
    const QString first = QStringLiteral("This first text is long enough to be cut off in the middle of it.");
    ASSERT_TRUE(voice.Speak(first, kAsync));
    ASSERT_TRUE(voice.Speak(QStringLiteral("Queued text."), kAsync));
    ASSERT_TRUE(waitFor([&] { return events.count(QStringLiteral("word")) >= 1; }));
    ASSERT_TRUE(voice.Speak(QStringLiteral("Second."), kAsync | SpeakFlag::PurgeBeforeSpeak));
    ASSERT_TRUE(waitFor([&] { return ended(); }));
    waitFor([] { return false; }, 300);
    const auto ends = events.of(QStringLiteral("end"));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].stream, 3);
    for (const auto& w : events.of(QStringLiteral("word")))
        EXPECT_TRUE(w.stream == 1 || w.stream == 3);
    EXPECT_LT(events.count(QStringLiteral("word")), 8);
}

TEST_F(SpeechTest, BlockingSpeakReturnsWhenSpokenWithItsEventsDelivered) {
    ASSERT_TRUE(voice.Speak(QStringLiteral("Short one."), SpeakFlag::IsNotXML));
    EXPECT_EQ(events.count(QStringLiteral("word")), 2);
    EXPECT_TRUE(ended());
}

TEST_F(SpeechTest, MarkupVoiceChangesAreReported) {
    const QString text = QStringLiteral(R"(<speak>Hello <voice name="en-us">world</voice> again.</speak>)");
    ASSERT_TRUE(voice.Speak(text, SpeakFlag::Async | SpeakFlag::IsXML));
    ASSERT_TRUE(waitFor([&] { return ended(); }));
    const auto changes = events.of(QStringLiteral("voice"));
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_TRUE(changes[0].voice.endsWith(u"en-US", Qt::CaseInsensitive)) << changes[0].voice.toStdString();
    EXPECT_EQ(changes[1].voice, voice.Voice().id);
    EXPECT_EQ(heardWords(text),
              QStringList({QStringLiteral("Hello"), QStringLiteral("world"), QStringLiteral("again")}));
}

TEST_F(SpeechTest, MarkupAfterAnEarlierUtteranceReportsOnlyItsWords) {
    ASSERT_TRUE(voice.Speak(QStringLiteral("Hello world. This is a test."), SpeakFlag::IsNotXML));
    events.events.clear();
    const QString text = QStringLiteral(R"(<speak>Hello <voice name="en-us">world</voice> again.</speak>)");
    ASSERT_TRUE(voice.Speak(text, SpeakFlag::IsXML));
    EXPECT_EQ(heardWords(text),
              QStringList({QStringLiteral("Hello"), QStringLiteral("world"), QStringLiteral("again")}));
    EXPECT_EQ(events.count(QStringLiteral("voice")), 2);
}

TEST_F(SpeechTest, FileNameFlagReadsTextFilesAndPlaysWavFiles) {
    folder.write(QStringLiteral("gb.txt"),
                 QByteArray("Hello ") + QByteArray::fromHex("c4e3bac3") + " there.");
    ASSERT_TRUE(voice.Speak(folder.file(QStringLiteral("gb.txt")), kAsync | SpeakFlag::IsFilename));
    ASSERT_TRUE(waitFor([&] { return ended(); }));
    EXPECT_GE(events.count(QStringLiteral("word")), 2);

    const QByteArray wav = exportWav(QStringLiteral("Hello world."), 8); // 11 kHz 8-bit mono
    folder.write(QStringLiteral("play.wav"), wav);
    events.events.clear();
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(voice.Speak(folder.file(QStringLiteral("play.wav")), kAsync | SpeakFlag::IsFilename));
    ASSERT_TRUE(waitFor([&] { return ended(); }));
    EXPECT_EQ(events.count(QStringLiteral("word")), 0);
    const qint64 seconds100 = (wav.size() - 44) * 100 / 11025;
    const auto end = events.of(QStringLiteral("end"));
    ASSERT_EQ(end.size(), 1u);
    // Played in the device stream's own format, 22 kHz 16-bit mono.
    EXPECT_NEAR(double(end[0].offset) / (22050 * 2), seconds100 / 100.0, 0.1);
    EXPECT_GE(timer.elapsed(), seconds100 * 10 - 200);

    EXPECT_FALSE(voice.Speak(folder.file(QStringLiteral("missing.txt")), kAsync | SpeakFlag::IsFilename));
}

TEST_F(SpeechTest, WavExportInEveryFormatHasAValidHeaderLengthAndSamples) {
    const QString text = QStringLiteral("Hello world. This is a test.");
    const WavInfo reference = parseWav(exportWav(text, AudioFormats::k22kHz16BitMono));
    ASSERT_TRUE(reference.valid);
    const double seconds = reference.seconds();
    ASSERT_GT(seconds, 1.0);
    for (const AudioFormat& f : AudioFormats::all()) {
        SCOPED_TRACE(f.name().toStdString());
        const WavInfo wav = parseWav(exportWav(text, f.type));
        ASSERT_TRUE(wav.valid);
        EXPECT_EQ(wav.sampleRate, f.sampleRate);
        EXPECT_EQ(wav.channels, f.channels);
        EXPECT_EQ(wav.bits, f.bitsPerSample);
        EXPECT_EQ(wav.byteRate, f.bytesPerSecond());
        EXPECT_EQ(wav.blockAlign, f.bytesPerFrame());
        EXPECT_TRUE(wav.sizesAgree);
        EXPECT_NEAR(wav.seconds(), seconds, 0.05);
        EXPECT_TRUE(wav.channelsEqual);
        EXPECT_GT(wav.peak, 0.2);
        EXPECT_LE(std::abs(wav.mean), 0.02);
    }
}

TEST_F(SpeechTest, RateSpansAThirdToThreeTimesTheNormalSpeed) {
    const QString text =
        QStringLiteral("The quick brown fox jumps over the lazy dog. It was not amused at all.");
    const double normal = parseWav(exportWav(text, AudioFormats::k22kHz16BitMono)).seconds();
    voice.setRate(10);
    const double fast = parseWav(exportWav(text, AudioFormats::k22kHz16BitMono)).seconds();
    voice.setRate(-10);
    const double slow = parseWav(exportWav(text, AudioFormats::k22kHz16BitMono)).seconds();
    EXPECT_NEAR(normal / fast, 3.0, 0.9);
    EXPECT_NEAR(slow / normal, 3.0, 0.9);
    voice.setRate(-40);
    EXPECT_EQ(voice.Rate(), -10);
}

TEST_F(SpeechTest, VolumeScalesTheSamples) {
    const QString text = QStringLiteral("Volume test.");
    const double full = parseWav(exportWav(text, AudioFormats::k22kHz16BitMono)).peak;
    voice.setVolume(25);
    const double quiet = parseWav(exportWav(text, AudioFormats::k22kHz16BitMono)).peak;
    EXPECT_LT(quiet, full * 0.5);
    voice.setVolume(0);
    EXPECT_LT(parseWav(exportWav(text, AudioFormats::k22kHz16BitMono)).peak, 0.01);
}

TEST_F(SpeechTest, FailedExportLeavesTheOldFileAndAnUnclosedStreamWritesNothing) {
    folder.write(QStringLiteral("keep.wav"), "old");
    {
        auto stream = std::make_shared<SpFileStream>();
        ASSERT_TRUE(stream->Open(folder.file(QStringLiteral("keep.wav"))));
        ASSERT_TRUE(voice.setAudioOutputStream(stream));
        ASSERT_TRUE(voice.Speak(QStringLiteral("Gone."), SpeakFlag::IsNotXML));
        ASSERT_TRUE(voice.setAudioOutput(std::nullopt));
    }
    EXPECT_EQ(folder.read(QStringLiteral("keep.wav")), QByteArray("old"));
    SpFileStream stream;
    EXPECT_FALSE(stream.Open(folder.file(QStringLiteral("no/such/folder/x.wav"))));
    EXPECT_FALSE(stream.Open(folder.file(QStringLiteral("x.wav")), 2));
    EXPECT_FALSE(stream.Close());
}

TEST_F(SpeechTest, AllowingFormatChangesGivesTheStreamTheEngineFormat) {
    auto stream = voice.AudioOutputStream();
    voice.setAllowAudioOutputFormatChangesOnNextSet(false);
    ASSERT_TRUE(stream->setFormatType(39));
    ASSERT_TRUE(voice.setAudioOutputStream(stream));
    EXPECT_EQ(voice.AudioOutputStream()->formatType(), 39);
    voice.setAllowAudioOutputFormatChangesOnNextSet(true);
    ASSERT_TRUE(voice.setAudioOutputStream(stream));
    EXPECT_EQ(voice.AudioOutputStream()->formatType(), AudioFormats::k22kHz16BitMono);
    EXPECT_FALSE(stream->setFormatType(40));
}

// What espeak-ng's command line makes of the plain text with the voice: a library that has spoken
// nothing before.
QByteArray commandLineWav(const TempFolder& folder, const QString& voiceId, const QString& text) {
    const QString path = folder.file(QStringLiteral("cli.wav"));
    QProcess cli;
    cli.start(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), voiceId, QStringLiteral("-w"), path, text});
    EXPECT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return folder.read(QStringLiteral("cli.wav"));
}

TEST_F(SpeechTest, ExportsOfTheSameTextAreTheSameWhateverWasSaidBefore) {
    const QString plain = QStringLiteral(
        "Hello there, my friend. This is a test, with clauses; and more. Another sentence here!");
    const QString markup = QStringLiteral(
        R"(<speak>Hello <voice name="en-us">world, over there</voice>. <prosody rate="fast">Quickly, now.</prosody>)"
        R"( Again, slowly.</speak>)");
    const QByteArray firstPlain = exportWav(plain, AudioFormats::k22kHz16BitMono);
    ASSERT_GT(firstPlain.size(), 22050 * 2 * 3);
    EXPECT_EQ(firstPlain, commandLineWav(folder, voice.Voice().id, plain));
    const QByteArray firstMarkup = exportWav(markup, AudioFormats::k22kHz16BitMono, SpeakFlag::IsXML);
    ASSERT_GT(firstMarkup.size(), 22050 * 2 * 2);

    struct Step {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Step> before = {
        {"nothing", [] {}},
        {"the text spoken aloud", [&] { ASSERT_TRUE(voice.Speak(plain, SpeakFlag::IsNotXML)); }},
        {"markup spoken aloud", [&] { ASSERT_TRUE(voice.Speak(markup, SpeakFlag::IsXML)); }},
        {"another text exported faster",
         [&] {
             voice.setRate(4);
             exportWav(QStringLiteral("Something else, said at another speed."),
                       AudioFormats::k22kHz16BitMono);
             voice.setRate(0);
         }},
        {"the markup exported", [&] { exportWav(markup, AudioFormats::k22kHz16BitMono, SpeakFlag::IsXML); }},
    };
    for (const Step& step : before) {
        SCOPED_TRACE(step.name);
        step.run();
        EXPECT_TRUE(exportWav(plain, AudioFormats::k22kHz16BitMono) == firstPlain);
        EXPECT_TRUE(exportWav(markup, AudioFormats::k22kHz16BitMono, SpeakFlag::IsXML) == firstMarkup);
    }
}

struct BrokenHelper {
    const char* name;
    const char* program;
};

class SpeechBrokenHelper : public ::testing::TestWithParam<BrokenHelper> {};

// A helper that cannot start, ends at once or sends what is no frame fails the export, and no file
// appears; speech aloud does not need it.
TEST_P(SpeechBrokenHelper, FailsTheExportAndLeavesNoFile) {
    TempFolder folder;
    EspeakVoice voice(nullptr, QString::fromLatin1(GetParam().program));
    auto stream = std::make_shared<SpFileStream>();
    const QString path = folder.file(QStringLiteral("out.wav"));
    ASSERT_TRUE(stream->Open(path));
    ASSERT_TRUE(voice.setAudioOutputStream(stream));
    ASSERT_TRUE(voice.Speak(QStringLiteral("Hello world. This is a test."), SpeakFlag::IsNotXML));
    EXPECT_FALSE(stream->failure().isEmpty());
    EXPECT_FALSE(stream->Close());
    EXPECT_FALSE(QFileInfo::exists(path));

    ASSERT_TRUE(voice.setAudioOutput(std::nullopt));
    SpeechEvents events(voice);
    ASSERT_TRUE(voice.Speak(QStringLiteral("Short one."), SpeakFlag::IsNotXML));
    EXPECT_EQ(events.count(QStringLiteral("word")), 2);
}

INSTANTIATE_TEST_SUITE_P(Programs, SpeechBrokenHelper,
                         ::testing::Values(BrokenHelper{"Missing", "/nonexistent/sayloom-speech"},
                                           BrokenHelper{"EndsAtOnce", "/bin/false"},
                                           BrokenHelper{"EchoesTheRequest", "/bin/cat"},
                                           BrokenHelper{"SendsNoFrames", "/usr/bin/yes"}),
                         [](const ::testing::TestParamInfo<BrokenHelper>& info) {
                             return std::string(info.param.name);
                         });

// The children of this process's threads: the helper is started by the engine's thread.
std::vector<int> childProcesses() {
    std::vector<int> children;
    for (const QString& task :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(QStringLiteral("/proc/self/task/%1/children").arg(task));
        if (!list.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& pid : list.readAll().split(' ')) {
            if (pid.trimmed().toInt() > 0)
                children.push_back(pid.trimmed().toInt());
        }
    }
    return children;
}

// A long export under way in its helper process.
class SpeechHelper : public ::testing::Test {
protected:
    void SetUp() override {
        QString text;
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("This sentence is one of many in a long text. ");
        ASSERT_TRUE(stream->Open(path));
        ASSERT_TRUE(voice.setAudioOutputStream(stream));
        ASSERT_TRUE(voice.Speak(text, SpeakFlag::Async | SpeakFlag::IsNotXML));
        ASSERT_TRUE(waitFor([&] { return events.count(QStringLiteral("word")) > 0; }));
    }

    TempFolder folder;
    EspeakVoice voice;
    SpeechEvents events{voice};
    std::shared_ptr<SpFileStream> stream = std::make_shared<SpFileStream>();
    const QString path = folder.file(QStringLiteral("out.wav"));
};

TEST_F(SpeechHelper, KilledDuringAnExportFailsIt) {
    const std::vector<int> helpers = childProcesses();
    ASSERT_EQ(helpers.size(), 1u);
    ASSERT_EQ(::kill(helpers[0], SIGKILL), 0);
    ASSERT_TRUE(voice.WaitUntilDone(60000));
    EXPECT_EQ(events.count(QStringLiteral("end")), 1);
    EXPECT_LT(events.count(QStringLiteral("word")), 200 * 10);
    EXPECT_FALSE(stream->failure().isEmpty());
    EXPECT_FALSE(stream->Close());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(SpeechHelper, EndsWhenTheExportIsPurged) {
    ASSERT_EQ(childProcesses().size(), 1u);
    ASSERT_TRUE(voice.Speak(QString(), SpeakFlag::PurgeBeforeSpeak));
    EXPECT_TRUE(voice.WaitUntilDone(0));
    EXPECT_TRUE(waitFor([] { return childProcesses().empty(); }, 5000));
}

// The bytes of a WAV file whose format chunk says `tag`, `bits` and `channels`; `declared` data
// bytes in the header, `actual` bytes after it.
QByteArray wavBytes(quint16 tag, int bits, int channels, quint32 declared, int actual, int rate = 22050) {
    return wavHeader(tag, bits, channels, declared, rate) + QByteArray(actual, '\x20');
}

QByteArray randomBytes(int n) {
    std::mt19937 random(5);
    QByteArray b(n, 0);
    for (char& c : b)
        c = char(random());
    return b;
}

struct BadFile {
    const char* name;
    const char* fileName;
    QByteArray bytes;
};

class SpeechBadFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(SpeechBadFile, IsRefusedWithAReasonAndNothingSpoken) {
    TempFolder folder;
    EspeakVoice voice;
    SpeechEvents events(voice);
    folder.write(QString::fromLatin1(GetParam().fileName), GetParam().bytes);
    EXPECT_FALSE(voice.Speak(folder.file(QString::fromLatin1(GetParam().fileName)),
                             SpeakFlag::Async | SpeakFlag::IsFilename));
    EXPECT_FALSE(voice.errorDescription().isEmpty());
    waitFor([] { return false; }, 200);
    EXPECT_TRUE(events.events.empty());
    EXPECT_TRUE(voice.WaitUntilDone(0));
}

INSTANTIATE_TEST_SUITE_P(
    Files, SpeechBadFile,
    ::testing::Values(BadFile{"EmptyWav", "empty.wav", {}}, BadFile{"EmptyText", "empty.txt", {}},
                      BadFile{"HeaderOnly", "header.wav", wavBytes(1, 16, 1, 0, 0)},
                      BadFile{"Truncated", "cut.wav", wavBytes(1, 16, 1, 100000, 1000)},
                      BadFile{"CutInTheHeader", "short.wav", wavBytes(1, 16, 1, 0, 0).left(30)},
                      BadFile{"Float", "float.wav", wavBytes(3, 32, 1, 4000, 4000)},
                      BadFile{"TwentyFourBit", "24.wav", wavBytes(1, 24, 2, 6000, 6000)},
                      BadFile{"MuLaw", "ulaw.wav", wavBytes(7, 8, 1, 4000, 4000)},
                      BadFile{"RandomBytesNamedWav", "noise.wav", randomBytes(5000)},
                      BadFile{"TextNamedWav", "text.wav", QByteArray("Hello there, I am text.")},
                      BadFile{"RandomBytes", "noise.bin", randomBytes(5000)}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

TEST(SpeechWavPlayback, ALargeFilePlaysInBoundedMemory) {
    TempFolder folder;
    // Twenty minutes of 48 kHz 16-bit stereo: about 220 MB.
    const int bytes = 48000 * 4 * 60 * 20;
    {
        QFile f(folder.file(QStringLiteral("long.wav")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(wavBytes(1, 16, 2, quint32(bytes), 0, 48000));
        const QByteArray block(1 << 20, '\x01');
        for (int written = 0; written < bytes; written += block.size())
            ASSERT_EQ(f.write(block.constData(), qMin<qint64>(block.size(), bytes - written)),
                      qMin<qint64>(block.size(), bytes - written));
    }
    EspeakVoice voice;
    SpeechEvents events(voice);
    const long before = residentKilobytes();
    ASSERT_GT(before, 0);
    ASSERT_TRUE(
        voice.Speak(folder.file(QStringLiteral("long.wav")), SpeakFlag::Async | SpeakFlag::IsFilename));
    long peak = residentKilobytes();
    ASSERT_TRUE(waitFor([&] {
        peak = std::max(peak, residentKilobytes());
        return events.count(QStringLiteral("start")) > 0;
    }));
    waitFor(
        [&] {
            peak = std::max(peak, residentKilobytes());
            return false;
        },
        500);
    EXPECT_LT(peak - before, 64 * 1024) << "kB";
    EXPECT_EQ(events.count(QStringLiteral("end")), 0);
    ASSERT_TRUE(voice.Speak({}, SpeakFlag::PurgeBeforeSpeak));
}
} // namespace

namespace {

// Speech through a real audio device, when there is one (the real-audio script provides a null sink).
TEST(RealAudio, PlayedTimeStopsWhilePaused) {
    EspeakVoice voice;
    ASSERT_TRUE(voice.initializationError().isEmpty());
    if (voice.GetAudioOutputs().isEmpty())
        GTEST_SKIP() << "no audio output device";
    SpeechEvents events(voice);
    ASSERT_TRUE(voice.setAudioOutput(voice.GetAudioOutputs().first()));
    const QString text = QStringLiteral("One two three four five six seven eight nine ten.");
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(voice.Speak(text, SpeakFlag::Async | SpeakFlag::IsNotXML));
    ASSERT_TRUE(waitFor([&] { return events.count(QStringLiteral("word")) >= 3; }));
    voice.Pause();
    const int atPause = events.count(QStringLiteral("word"));
    waitFor([] { return false; }, 1500);
    EXPECT_LE(events.count(QStringLiteral("word")), atPause + 1);
    voice.Resume();
    ASSERT_TRUE(waitFor([&] { return events.count(QStringLiteral("end")) > 0; }));
    EXPECT_EQ(events.count(QStringLiteral("word")), 10);
    // The speech took its own length plus the pause.
    const double seconds = double(events.of(QStringLiteral("end"))[0].offset) / (22050 * 2);
    EXPECT_GE(timer.elapsed(), qint64((seconds + 1.5) * 1000) - 300);
}

} // namespace

namespace {

TEST(SpeechPhonemes, ArriveWhenSomeoneListens) {
    EspeakVoice voice;
    int phonemes = 0;
    QObject::connect(&voice, &SpeechVoice::Phoneme, &voice, [&](int, qint64, const QString& p) {
        EXPECT_FALSE(p.isEmpty());
        ++phonemes;
    });
    ASSERT_TRUE(voice.Speak(QStringLiteral("Hello world."), SpeakFlag::IsNotXML));
    EXPECT_GE(phonemes, 6);
}

} // namespace
