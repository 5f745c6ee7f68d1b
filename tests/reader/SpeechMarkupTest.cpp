#include "reader/speech/SpeechMarkup.h"
#include "reader/speech/EspeakVoice.h"
#include "reader/speech/SpFileStream.h"
#include "reader/speech/SpeakFlags.h"
#include "tests/reader/WavCheck.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

const QList<VoiceToken> kVoices{
    {QStringLiteral("gmw/en"), QStringLiteral("English (Great Britain) - en-gb"), {QStringLiteral("en-gb")}},
    {QStringLiteral("gmw/en-US"), QStringLiteral("English (America) - en-us"), {QStringLiteral("en-us")}},
    {QStringLiteral("sit/cmn"), QStringLiteral("Chinese (Mandarin) - cmn"), {QStringLiteral("cmn")}}};

struct MarkupCase {
    const char* name;
    const char* input;
    const char* engine;
};

class SpeechMarkupTranslation : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(SpeechMarkupTranslation, KeepsOnlyTheElementsItTranslates) {
    const EngineText out = SpeechMarkup::translate(QString::fromUtf8(GetParam().input), kVoices, 0);
    EXPECT_EQ(out.text.toStdString(), GetParam().engine);
}

const MarkupCase kMarkupCases[] = {
    {"AudioDroppedTextKept", R"m(<speak><audio src="/etc/passwd">alt</audio>x</speak>)m", "altx"},
    {"AudioShellNameDropped", R"m(<audio src='a$(touch X).wav'/>hi)m", "hi"},
    {"UnknownElementsDropped",
     R"m(<say-as interpret-as="characters">ab</say-as> <p>c</p><sub alias="d">e</sub>)m", "ab ce"},
    {"CommentsAndDeclarationsDropped", R"m(<?xml version="1.0"?><!DOCTYPE x><!-- <audio src="y"/> -->a)m",
     "a"},
    {"CdataIsText", R"m(<![CDATA[<audio src="z"/> & b]]>)m", "&lt;audio src=\"z\"/> &amp; b"},
    {"LooseAngleAndAmpersandAreText", "a < b & c &amp; d &#60; e", "a &lt; b &amp; c &amp; d &#60; e"},
    {"UnfinishedTagIsText", R"m(x <audio src="q)m", "x &lt;audio src=\"q"},
    {"SsmlVoiceByName", R"m(<voice name="en-us" onload="x">w</voice>)m",
     R"m(<voice xml:lang="en-us">w</voice>)m"},
    {"SsmlVoiceByLanguage", R"m(<voice xml:lang="cmn" gender="female">w</voice>)m",
     R"m(<voice xml:lang="cmn" gender="female">w</voice>)m"},
    {"SapiVoiceRequired", R"m(<voice required="Language=409">w</voice>)m",
     R"m(<voice xml:lang="en-us">w</voice>)m"},
    {"UnknownVoiceKeepsText", R"m(<voice name="nobody">w</voice>)m", "w"},
    {"SapiRate", R"m(<rate absspeed="10">f</rate>)m", R"m(<prosody rate="300%">f</prosody>)m"},
    {"SapiEmptyRateHoldsToTheEnd", R"m(a<rate speed="-10"/>b)m", R"m(a<prosody rate="33%">b</prosody>)m"},
    {"SapiVolumeAndPitch", R"m(<volume level="50"><pitch absmiddle="-2">v</pitch></volume>)m",
     R"m(<prosody volume="50"><prosody pitch="-10%">v</prosody></prosody>)m"},
    {"SsmlProsodyCheckedValues", R"m(<prosody rate="fast" volume="x$(id)" pitch="+5st">p</prosody>)m",
     R"m(<prosody rate="fast" pitch="+5st">p</prosody>)m"},
    {"SilenceAndBreak", R"m(a<silence msec="500"/>b<break time="1s" strength="bogus"/>c)m",
     R"m(a<break time="500ms"/>b<break time="1s"/>c)m"},
    {"EmphasisAndBookmarks", R"m(<emph>e</emph><bookmark mark="m1"/><mark name="bad name"/>)m",
     R"m(<emphasis>e</emphasis><mark name="m1"/>)m"},
    {"UnclosedElementsCloseAtTheEnd", R"m(<emphasis><voice name="cmn">z)m",
     R"m(<emphasis><voice xml:lang="cmn">z</voice></emphasis>)m"},
    {"StrayClosingTagDropped", R"m(a</voice></emphasis>b)m", "ab"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SpeechMarkupTranslation, ::testing::ValuesIn(kMarkupCases),
                         [](const ::testing::TestParamInfo<MarkupCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(SpeechMarkup, PositionsAndVoiceChangesPointIntoTheOriginalText) {
    const QString text = QStringLiteral(R"m(Hi <voice name="en-us">wörld</voice> &amp; <b>😀x</b>)m");
    const EngineText out = SpeechMarkup::translate(text, kVoices, 0);
    ASSERT_EQ(out.sourceAt.size(), std::size_t(out.text.toUcs4().size()) + 1);
    EXPECT_EQ(out.sourceAt.back(), text.size());
    // Every code point of the engine text that is text of the original points at itself.
    const int world = int(out.text.indexOf(u"wörld"));
    EXPECT_EQ(out.sourceAt[std::size_t(world)], text.indexOf(u"wörld"));
    const qsizetype x = out.text.toUcs4().lastIndexOf(uint('x'));
    EXPECT_EQ(out.sourceAt[std::size_t(x)], text.lastIndexOf(u'x'));
    EXPECT_EQ(out.sourceAt[std::size_t(x - 1)], text.indexOf(QStringLiteral("😀")));
    // A word's end maps to the end of the word, not past the closing tag.
    EXPECT_EQ(out.sourceAt[std::size_t(world + 5)], text.indexOf(u"</voice>"));
    ASSERT_EQ(out.voiceMarks.size(), 2u);
    EXPECT_EQ(out.voiceMarks[0].voiceIndex, 1);
    EXPECT_EQ(out.voiceMarks[0].position, text.indexOf(u"wörld"));
    EXPECT_EQ(out.voiceMarks[1].voiceIndex, 0);
    EXPECT_EQ(out.voiceMarks[1].position, text.indexOf(u"</voice>") + 8);
}

// Markup that the engine library would act on itself: it must never reach it.
class MarkupAttack : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(voice.initializationError().isEmpty());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    WavInfo exportMarkup(const QString& text) {
        auto stream = std::make_shared<SpFileStream>();
        const QString path = folder.file(QStringLiteral("out.wav"));
        EXPECT_TRUE(stream->Open(path));
        EXPECT_TRUE(voice.setAudioOutputStream(stream));
        EXPECT_TRUE(voice.Speak(text, SpeakFlag::IsXML));
        EXPECT_TRUE(voice.setAudioOutput(std::nullopt));
        EXPECT_TRUE(stream->Close());
        return parseWav(folder.read(QStringLiteral("out.wav")));
    }

    TempFolder folder;
    QString previous;
    EspeakVoice voice;
};

TEST_F(MarkupAttack, AudioOfAFileThatIsNoSoundDoesNotCrash) {
    const WavInfo wav = exportMarkup(QStringLiteral(R"m(<speak><audio src="/etc/passwd"/>x</speak>)m"));
    EXPECT_TRUE(wav.valid);
    EXPECT_GT(wav.seconds(), 0.1);
}

TEST_F(MarkupAttack, AudioFileNameRunsNoShellCommand) {
    // The library hands a named file that is no WAV file to a shell.
    folder.write(QStringLiteral("a$(touch X)"), "not a sound");
    folder.write(QStringLiteral("a$(touch Y).wav"), "not a sound");
    exportMarkup(QStringLiteral(R"m(<speak><audio src="%1"/>x</speak>)m")
                     .arg(folder.file(QStringLiteral("a$(touch X)"))));
    exportMarkup(QStringLiteral(R"m(<audio src="a$(touch Y).wav">x</audio>)m"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("X"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Y"))));
}

TEST_F(MarkupAttack, NamedWavFileIsNotMixedIn) {
    // Ten seconds of a loud square wave at 22 kHz.
    const int frames = 22050 * 10;
    QByteArray wav = wavHeader(1, 16, 1, frames * 2);
    for (int i = 0; i < frames; ++i) {
        char sample[2];
        qToLittleEndian(qint16((i / 25) % 2 ? 20000 : -20000), sample);
        wav.append(sample, 2);
    }
    folder.write(QStringLiteral("tone.wav"), wav);
    const WavInfo out = exportMarkup(QStringLiteral(R"m(<speak><audio src="%1"/>x</speak>)m")
                                         .arg(folder.file(QStringLiteral("tone.wav"))));
    ASSERT_TRUE(out.valid);
    EXPECT_LT(out.seconds(), 3.0);
}

} // namespace
