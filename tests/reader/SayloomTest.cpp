#include "reader/Sayloom.h"
#include "platform/core/Ansi.h"
#include "platform/core/ProgramFolder.h"
#include "platform/testing/FakeServices.h"
#include "reader/Frmabout.h"
#include "reader/Frmdown.h"
#include "reader/speech/SpeakFlags.h"
#include "tests/reader/FakeSpeechVoice.h"
#include "tests/reader/WavCheck.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class SayloomTest : public ::testing::Test {
protected:
    std::unique_ptr<Sayloom> open(std::function<void(FakeSpeechVoice&)> setUp = {}) {
        auto v = std::make_unique<FakeSpeechVoice>();
        if (setUp)
            setUp(*v);
        fake = v.get();
        return std::make_unique<Sayloom>(fakes.services(), std::move(v));
    }

    TempFolder folder;
    FakeServices fakes;
    FakeSpeechVoice* fake = nullptr;
};

TEST_F(SayloomTest, StartupFillsTheListsAndAppliesTheDefaults) {
    auto w = open();
    EXPECT_EQ(w->VoiceCB->count(), 3);
    EXPECT_EQ(w->VoiceCB->currentIndex(), 0);
    EXPECT_EQ(fake->current.id, QStringLiteral("gmw/en"));
    ASSERT_EQ(w->FormatCB->count(), 36);
    EXPECT_EQ(w->FormatCB->itemText(0), QStringLiteral("SAFT8kHz8BitMono"));
    EXPECT_EQ(w->FormatCB->itemData(0).toInt(), 4);
    EXPECT_EQ(w->FormatCB->itemText(35), QStringLiteral("SAFT48kHz16BitStereo"));
    EXPECT_EQ(w->FormatCB->itemData(35).toInt(), 39);
    EXPECT_EQ(w->FormatCB->itemText(7), QStringLiteral("SAFT11kHz16BitStereo"));
    EXPECT_EQ(w->FormatCB->currentText(), QStringLiteral("SAFT22kHz16BitMono"));
    EXPECT_EQ(w->AudioOutputCB->count(), 2);
    EXPECT_TRUE(w->AudioOutputCB->isEnabled());
    EXPECT_TRUE(fake->calls.contains(QStringLiteral("output dev0")));
    EXPECT_EQ(fake->calls.last(), QStringLiteral("stream 22d"));
    EXPECT_FALSE(fake->allowChanges);
    EXPECT_EQ(w->RateSldr->value(), 3);
    EXPECT_EQ(w->VolumeSldr->value(), 80);
    EXPECT_EQ(w->speakFlags(), 11);
    EXPECT_FALSE(w->StopBtn->isEnabled());
    EXPECT_TRUE(w->menuFileSaveToWave->isEnabled());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Sayloom   版本号：2.05"));
    EXPECT_EQ(w->mlastfile[0]->text(), QStringLiteral("无历史文件"));
    EXPECT_FALSE(w->mnuclearfile->isVisible());
    EXPECT_EQ(w->frameGeometry().size(), QSize(799, 533));
    w->resize(300, 200);
    EXPECT_EQ(w->frameGeometry().size(), QSize(799, 533));
}

TEST_F(SayloomTest, NoOutputDeviceShowsThePlaceholderDisabled) {
    auto w = open([](FakeSpeechVoice& v) { v.outputs.clear(); });
    ASSERT_EQ(w->AudioOutputCB->count(), 1);
    EXPECT_EQ(w->AudioOutputCB->itemText(0), QStringLiteral("No audio ouput object available"));
    EXPECT_FALSE(w->AudioOutputCB->isEnabled());
    EXPECT_EQ(fake->calls.last(), QStringLiteral("stream 22d"));
}

TEST_F(SayloomTest, StartupFailureReportsReleasesTheVoiceAndEnds) {
    for (const bool noVoices : {true, false}) {
        FakeServices services;
        auto v = std::make_unique<FakeSpeechVoice>();
        if (noVoices)
            v->voices.clear();
        else
            v->initError = QStringLiteral("engine missing");
        Sayloom w(services.services(), std::move(v));
        ASSERT_EQ(services.messageBox.shown.size(), 1u);
        const auto& m = services.messageBox.shown[0];
        EXPECT_TRUE(m.prompt.startsWith(QStringLiteral("初始化错误: \r\n\r\n")));
        EXPECT_TRUE(m.prompt.endsWith(QStringLiteral("\r\n\r\n关闭！")));
        if (!noVoices) {
            EXPECT_TRUE(m.prompt.contains(QStringLiteral("engine missing")));
        }
        EXPECT_EQ(m.style, MsgBox::OkOnly);
        EXPECT_EQ(m.title, QStringLiteral("友情提示"));
        EXPECT_EQ(services.programExit.exits.size(), 1u);
        EXPECT_EQ(w.voice(), nullptr);
        w.SpeakBtn_Click();
        w.StopBtn_Click();
        w.ResetBtn_Click();
    }
}

TEST_F(SayloomTest, EngineCheckHintsAtFewVoicesAndAMissingMandarinVoice) {
    const QString few = QStringLiteral("软件检测到您当前电脑的语音发声引擎少于2个");
    const QString chinese = QStringLiteral("软件未检测到中文语音发音引擎");
    struct Case {
        int voices;
        bool mandarin;
        bool fewHint;
        bool chineseHint;
    };
    for (const Case c : {Case{1, false, true, true}, Case{1, true, true, false}, Case{3, true, false, false},
                         Case{2, false, false, true}}) {
        auto w = open([&](FakeSpeechVoice& v) {
            if (c.mandarin)
                std::swap(v.voices[0], v.voices[2]);
            while (v.voices.size() > c.voices)
                v.voices.removeLast();
        });
        w->MainTxtBox->setText(QStringLiteral("ab"));
        w->MainTxtBox->setSelStart(1);
        w->Timer1_Timer();
        w->Timer1_Timer();
        const QString text = w->MainTxtBox->text();
        EXPECT_EQ(text.count(few), c.fewHint ? 1 : 0) << c.voices << c.mandarin;
        EXPECT_EQ(text.count(chinese), c.chineseHint ? 1 : 0) << c.voices << c.mandarin;
        EXPECT_TRUE(text.startsWith(u'a'));
        EXPECT_TRUE(text.endsWith(u'b'));
        EXPECT_FALSE(w->Timer1->isActive());
    }
}

TEST_F(SayloomTest, FlagBoxesSetAndClearTheirBits) {
    auto w = open();
    struct Case {
        QCheckBox* box;
        bool ticked;
        int expected;
    };
    const std::vector<Case> cases = {
        {w->chkSpFlagIsFilename, true, 15},    {w->chkSpFlagPersistXML, true, 47},
        {w->chkSpFlagNLPSpeakPunc, true, 111}, {w->chkSpFlagIsXML, false, 119},
        {w->chkSpFlagIsXML, true, 111},        {w->chkSpFlagAync, false, 110},
    };
    for (const Case& c : cases) {
        c.box->setChecked(c.ticked);
        EXPECT_EQ(w->speakFlags(), c.expected) << c.box->objectName().toStdString();
    }
    for (QCheckBox* b : {w->chkSpFlagAync, w->chkSpFlagPurgeBeforeSpeak, w->chkSpFlagIsFilename,
                         w->chkSpFlagIsXML, w->chkSpFlagPersistXML, w->chkSpFlagNLPSpeakPunc})
        b->setChecked(false);
    EXPECT_EQ(w->speakFlags(), 16);
}

TEST_F(SayloomTest, SpeakPauseContinueAndStopFollowTheStateTable) {
    auto w = open();
    w->MainTxtBox->setText(QStringLiteral("Hello world."));
    w->SpeakBtn_Click();
    ASSERT_EQ(fake->spoken.size(), 1u);
    EXPECT_EQ(fake->spoken[0].text, QStringLiteral("Hello world."));
    EXPECT_EQ(fake->spoken[0].flags, 11);
    EXPECT_TRUE(w->speaking());
    EXPECT_TRUE(w->SkipBtn->isEnabled());
    EXPECT_FALSE(w->menuFileOpenText->isEnabled());

    w->PauseBtn_Click();
    EXPECT_TRUE(w->paused());
    EXPECT_EQ(w->PauseBtn1->text(), QStringLiteral("继续"));
    EXPECT_FALSE(w->SkipBtn->isEnabled());
    EXPECT_TRUE(w->StopBtn->isEnabled());
    EXPECT_TRUE(w->PauseBtn->isEnabled());

    // Speak while paused only continues.
    w->SpeakBtn_Click();
    EXPECT_EQ(fake->spoken.size(), 1u);
    EXPECT_EQ(fake->calls.last(), QStringLiteral("resume"));
    EXPECT_FALSE(w->paused());

    w->PauseBtn_Click();
    w->StopBtn_Click();
    ASSERT_EQ(fake->spoken.size(), 2u);
    EXPECT_TRUE(fake->spoken[1].text.isEmpty());
    EXPECT_EQ(fake->spoken[1].flags, SpeakFlag::PurgeBeforeSpeak);
    EXPECT_EQ(fake->calls.last(), QStringLiteral("resume"));
    EXPECT_FALSE(w->speaking());
    EXPECT_FALSE(w->paused());
    EXPECT_FALSE(w->StopBtn->isEnabled());

    w->PauseBtn1->setText(QStringLiteral("x"));
    w->PauseBtn_Click();
    EXPECT_FALSE(w->paused());

    fake->speakSucceeds = false;
    w->SpeakBtn_Click();
    EXPECT_FALSE(w->speaking());
}

TEST_F(SayloomTest, SpeakingAnEmptyTextAsksForContent) {
    auto w = open();
    w->MainTxtBox->setText({});
    w->SpeakBtn_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("当前没有内容，让我朗读什么？"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Information);
    EXPECT_TRUE(fake->spoken.empty());
    EXPECT_FALSE(w->speaking());
}

TEST_F(SayloomTest, WordEventsHighlightTheSpokenWordAndTheEndSelectsAll) {
    auto w = open();
    const QString text = QStringLiteral("One\r\ntwo three");
    w->MainTxtBox->setText(text);
    w->SpeakBtn_Click();
    fake->startStream();
    fake->word(5, 3);
    EXPECT_EQ(w->MainTxtBox->selStart(), 5);
    EXPECT_EQ(w->MainTxtBox->selLength(), 3);
    EXPECT_EQ(w->MainTxtBox->textCursor().selectedText(), QStringLiteral("two"));
    fake->word(9, 5);
    EXPECT_EQ(w->MainTxtBox->textCursor().selectedText(), QStringLiteral("three"));
    fake->endStream();
    EXPECT_EQ(w->MainTxtBox->selStart(), 0);
    EXPECT_EQ(w->MainTxtBox->selLength(), text.size());
    EXPECT_FALSE(w->speaking());
    EXPECT_TRUE(w->menuFileSaveToWave->isEnabled());

    w->chkSpFlagIsFilename->setChecked(true);
    w->MainTxtBox->setSelStart(1);
    fake->word(5, 3);
    fake->endStream();
    EXPECT_EQ(w->MainTxtBox->selStart(), 1);
    EXPECT_EQ(w->MainTxtBox->selLength(), 0);
}

TEST_F(SayloomTest, SkipPassesTheCountRoundedToEven) {
    auto w = open();
    for (const auto& [text, count] : std::vector<std::pair<QString, int>>{{QStringLiteral("2.5"), 2},
                                                                          {QStringLiteral("3.5"), 4},
                                                                          {QStringLiteral("-1"), -1},
                                                                          {QStringLiteral("abc"), 0},
                                                                          {QStringLiteral("99999"), 0}}) {
        w->SkipTxtBox->setText(text);
        w->SkipBtn_Click();
        EXPECT_EQ(fake->calls.last(), QStringLiteral("skip Sentence ") + QString::number(count))
            << text.toStdString();
    }
}

TEST_F(SayloomTest, VoiceChangeSelectsTheMatchingEntryOnly) {
    auto w = open();
    fake->voiceChange(fake->voices[1]);
    EXPECT_EQ(w->VoiceCB->currentIndex(), 1);
    EXPECT_EQ(fake->current.id, QStringLiteral("gmw/en-US"));
    fake->voiceChange({QStringLiteral("x"), QStringLiteral("Unlisted"), {}});
    EXPECT_EQ(w->VoiceCB->currentIndex(), 1);
}

TEST_F(SayloomTest, ResetRestoresEveryChoice) {
    auto w = open();
    w->VoiceCB->setCurrentIndex(2);
    w->VoiceCB_Click();
    w->AudioOutputCB->setCurrentIndex(1);
    w->FormatCB->setCurrentIndex(35);
    w->AudioOutputCB_Click();
    EXPECT_EQ(fake->calls.last(), QStringLiteral("stream 39d"));
    w->RateSldr->setValue(7);
    EXPECT_EQ(fake->rate, 7);
    w->chkSpFlagNLPSpeakPunc->setChecked(true);
    w->chkSpFlagAync->setChecked(false);
    w->UpDown1->setValue(4);
    EXPECT_EQ(w->SkipTxtBox->text(), QStringLiteral("4"));
    w->MainTxtBox->setText(QStringLiteral("x"));
    w->SpeakBtn_Click();
    w->PauseBtn_Click();
    fake->calls.clear();
    w->ResetBtn_Click();
    // The arrows go on from the reset count.
    w->UpDown1->stepBy(1);
    EXPECT_EQ(w->SkipTxtBox->text(), QStringLiteral("1"));
    w->UpDown1->stepBy(-1);
    EXPECT_EQ(w->AudioOutputCB->currentIndex(), 0);
    EXPECT_EQ(w->VoiceCB->currentIndex(), 0);
    EXPECT_EQ(w->FormatCB->currentText(), QStringLiteral("SAFT22kHz16BitMono"));
    EXPECT_EQ(fake->current.id, QStringLiteral("gmw/en"));
    EXPECT_EQ(fake->rate, 0);
    EXPECT_EQ(fake->volume, 100);
    EXPECT_EQ(w->speakFlags(), 11);
    EXPECT_EQ(w->SkipTxtBox->text(), QStringLiteral("0"));
    EXPECT_EQ(w->MainTxtBox->text(),
              QStringLiteral("这是一款可以阅读文本文件并可将文本生成语音的软件。在这里输入内容，"
                             "或从文件菜单打开文件，点左侧按钮开始朗读"));
    EXPECT_TRUE(fake->calls.contains(QStringLiteral("output dev0")));
    EXPECT_TRUE(fake->calls.contains(QStringLiteral("output default")));
    EXPECT_EQ(fake->calls.last(), QStringLiteral("resume"));
    EXPECT_FALSE(w->speaking());
    EXPECT_FALSE(w->paused());
}

TEST_F(SayloomTest, OpenReadsUtf8OrGb18030AndKeepsRecentFiles) {
    auto w = open();
    folder.write(QStringLiteral("u.txt"), QStringLiteral("你好 UTF-8").toUtf8());
    folder.write(QStringLiteral("g.txt"), Ansi::encode(QStringLiteral("你好 GB")));
    const QString u = folder.file(QStringLiteral("u.txt"));
    const QString g = folder.file(QStringLiteral("g.txt"));
    fakes.dialogs.openAnswers.push_back({u});
    w->menuFileOpenText_Click();
    EXPECT_EQ(w->MainTxtBox->text(), QStringLiteral("你好 UTF-8"));
    ASSERT_EQ(fakes.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(fakes.dialogs.openRequests[0].title, QStringLiteral("打开文件"));
    EXPECT_EQ(fakes.dialogs.openRequests[0].filterIndex, 2);
    EXPECT_EQ(fakes.dialogs.openRequests[0].flags, 0x1800);
    fakes.dialogs.openAnswers.push_back({g});
    w->menuFileOpenText_Click();
    EXPECT_EQ(w->MainTxtBox->text(), QStringLiteral("你好 GB"));
    EXPECT_EQ(w->mlastfile[0]->text(), QStringLiteral("&1 ") + g);
    EXPECT_EQ(w->mlastfile[1]->text(), QStringLiteral("&2 ") + u);
    EXPECT_TRUE(w->mnuclearfile->isVisible());
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Sayloom/recentfiles/FirstFile")),
              QStringLiteral("2"));

    // Opening the second entry again moves it to the front.
    fakes.dialogs.openAnswers.push_back({u});
    w->menuFileOpenText_Click();
    EXPECT_EQ(w->mlastfile[0]->text(), QStringLiteral("&1 ") + u);

    // A recent file that is gone: the message, and it still moves to the front.
    QFile::remove(g);
    w->mlastfile_Click(1);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt,
              QStringLiteral("要打开的文件：") + g + QStringLiteral(" 没找到！可能已移位或已删除"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(w->mlastfile[0]->text(), QStringLiteral("&1 ") + g);

    // An unreadable choice is reported and not listed.
    fakes.dialogs.openAnswers.push_back({folder.path()});
    w->menuFileOpenText_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[1].style, MsgBox::Critical);
    EXPECT_FALSE(w->mlastfile[2]->isVisible());

    fakes.dialogs.openAnswers.push_back({std::nullopt});
    w->menuFileOpenText_Click();
    EXPECT_EQ(fakes.messageBox.shown.size(), 2u);

    w->mnuclearfile_Click();
    EXPECT_EQ(w->mlastfile[0]->text(), QStringLiteral("无历史文件"));
    EXPECT_FALSE(w->mnuclearfile->isVisible());
    w->mlastfile_Click(0);
    EXPECT_EQ(fakes.messageBox.shown.size(), 2u);
}

TEST_F(SayloomTest, SaveWritesAnsiWithCrLfAndReportsFailuresWithoutHarm) {
    auto w = open();
    w->MainTxtBox->setText(QStringLiteral("第一行\r\nline 2"));
    const QString path = folder.file(QStringLiteral("s.txt"));
    fakes.dialogs.saveAnswers.push_back({path});
    w->mnusavetotxt_Click();
    EXPECT_EQ(folder.read(QStringLiteral("s.txt")), Ansi::encode(QStringLiteral("第一行\r\nline 2\r\n")));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("已保存好了！\r\n") + path);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Information);
    EXPECT_EQ(w->mlastfile[0]->text(), QStringLiteral("无历史文件"));

    // Overwriting asks first; Cancel keeps the file.
    w->MainTxtBox->setText({});
    fakes.dialogs.saveAnswers.push_back({path});
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    w->mnusavetotxt_Click();
    EXPECT_EQ(folder.read(QStringLiteral("s.txt")), Ansi::encode(QStringLiteral("第一行\r\nline 2\r\n")));
    fakes.dialogs.saveAnswers.push_back({path});
    w->mnusavetotxt_Click();
    EXPECT_EQ(folder.read(QStringLiteral("s.txt")), QByteArray("\r\n"));

    const QString bad = folder.file(QStringLiteral("missing/dir/x.txt"));
    fakes.dialogs.saveAnswers.push_back({bad});
    const std::size_t before = fakes.messageBox.shown.size();
    w->mnusavetotxt_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), before + 1);
    EXPECT_EQ(fakes.messageBox.shown.back().style, MsgBox::Critical);
    EXPECT_TRUE(fakes.messageBox.shown.back().prompt.contains(bad));
}

TEST_F(SayloomTest, WavExportSpeaksIntoAFileInTheChosenFormatAndPutsTheDeviceBack) {
    auto w = open();
    w->FormatCB->setCurrentIndex(w->FormatCB->findText(QStringLiteral("SAFT8kHz16BitStereo")));
    w->MainTxtBox->setText(QStringLiteral("Hello"));
    const QString path = folder.file(QStringLiteral("e.wav"));
    fakes.dialogs.saveAnswers.push_back({path});
    fake->calls.clear();
    w->menuFileSaveToWave_Click();
    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(fakes.dialogs.saveRequests[0].title, QStringLiteral("保存为Wave文件"));
    EXPECT_EQ(fakes.dialogs.saveRequests[0].flags, 0x8802);
    ASSERT_EQ(fake->calls.size(), 4);
    EXPECT_EQ(fake->calls[0], QStringLiteral("stream 7f"));
    EXPECT_EQ(fake->calls[1], QStringLiteral("wait"));
    EXPECT_EQ(fake->calls[3], QStringLiteral("stream 7d"));
    const WavInfo wav = parseWav(folder.read(QStringLiteral("e.wav")));
    ASSERT_TRUE(wav.valid);
    EXPECT_EQ(wav.sampleRate, 8000);
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.frames, 25);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("WAV文件保存成功!"));

    // A failing engine: no message, no file, the device is back.
    fake->speakSucceeds = false;
    fakes.dialogs.saveAnswers.push_back({folder.file(QStringLiteral("f.wav"))});
    w->menuFileSaveToWave_Click();
    EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("f.wav"))));
    EXPECT_FALSE(fake->AudioOutputStream()->isFile());

    fakes.dialogs.saveAnswers.push_back({std::nullopt});
    w->menuFileSaveToWave_Click();
    EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
}

TEST_F(SayloomTest, WavPlaybackSpeaksTheFileNameAndListsIt) {
    auto w = open();
    const QString path = folder.file(QStringLiteral("p.wav"));
    fakes.dialogs.openAnswers.push_back({path});
    w->menuFileSpeakWave_Click();
    EXPECT_EQ(fakes.dialogs.openRequests[0].title, QStringLiteral("打开语音文件进行朗读"));
    ASSERT_EQ(fake->spoken.size(), 1u);
    EXPECT_EQ(fake->spoken[0].text, path);
    EXPECT_EQ(fake->spoken[0].flags, 15);
    EXPECT_TRUE(w->chkSpFlagIsFilename->isChecked());
    EXPECT_TRUE(w->speaking());
    EXPECT_EQ(w->mlastfile[0]->text(), QStringLiteral("&1 ") + path);

    w->PauseBtn_Click();
    fakes.dialogs.openAnswers.push_back({std::nullopt});
    w->menuFileSpeakWave_Click();
    EXPECT_FALSE(w->speaking());
    EXPECT_TRUE(w->paused());
}

TEST_F(SayloomTest, AboutAndDownloadWindowsOpenTheirLinks) {
    auto w = open();
    w->menuAbout_Click();
    auto* about = w->findChild<Frmabout*>(QStringLiteral("Frmabout"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isModal());
    about->Label10_Click();
    about->Label12_Click();
    about->Form_Click();
    EXPECT_FALSE(about->isVisible());
    w->menuAbout_Click();
    EXPECT_EQ(w->findChildren<Frmabout*>().size(), 1);
    w->mnudownload_Click();
    auto* down = w->findChild<Frmdown*>(QStringLiteral("Frmdown"));
    ASSERT_NE(down, nullptr);
    EXPECT_FALSE(down->isModal());
    down->Label2_Click();
    EXPECT_EQ(fakes.shell.opened, QStringList({QStringLiteral("mailto:") + Frmabout::mailAddress(),
                                               Frmabout::webAddress(), Frmdown::downloadAddress()}));
}

TEST_F(SayloomTest, MissingBackgroundKeepsThePictureAndAPresentOneIsShown) {
    auto w = open();
    w->showBackground(QStringLiteral("backpink.gif"));
    EXPECT_TRUE(w->Image1->pixmap().isNull());
    QPixmap p(4, 4);
    p.fill(Qt::red);
    ASSERT_TRUE(p.save(folder.file(QStringLiteral("backblue.gif")), "PNG"));
    w->showBackground(QStringLiteral("backblue.gif"));
    EXPECT_FALSE(w->Image1->pixmap().isNull());
}

} // namespace

namespace {

struct EncodingCase {
    const char* name;
    QByteArray bytes; // "你好 there" in the encoding
};

class SayloomTextEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(SayloomTextEncoding, SavingWritesTheEncodingTheFileWasReadIn) {
    TempFolder folder;
    FakeServices fakes;
    Sayloom w(fakes.services(), std::make_unique<FakeSpeechVoice>());
    folder.write(QStringLiteral("in.txt"), GetParam().bytes);
    fakes.dialogs.openAnswers.push_back({folder.file(QStringLiteral("in.txt"))});
    w.menuFileOpenText_Click();
    EXPECT_EQ(w.MainTxtBox->text(), QStringLiteral("你好 there"));
    const QString out = folder.file(QStringLiteral("out.txt"));
    fakes.dialogs.saveAnswers.push_back({out});
    w.mnusavetotxt_Click();
    const QByteArray crlf = GetParam().bytes.startsWith("\xFF\xFE")   ? QByteArray("\r\0\n\0", 4)
                            : GetParam().bytes.startsWith("\xFE\xFF") ? QByteArray("\0\r\0\n", 4)
                                                                      : QByteArray("\r\n");
    EXPECT_EQ(folder.read(QStringLiteral("out.txt")), GetParam().bytes + crlf);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, SayloomTextEncoding,
    ::testing::Values(EncodingCase{"Utf8", QStringLiteral("你好 there").toUtf8()},
                      EncodingCase{"Utf8WithMark", "\xEF\xBB\xBF" + QStringLiteral("你好 there").toUtf8()},
                      EncodingCase{"Gb18030", Ansi::encode(QStringLiteral("你好 there"))},
                      EncodingCase{"Utf16LE", QByteArray("\xFF\xFE`O}Y \0t\0h\0e\0r\0e\0", 18)},
                      EncodingCase{"Utf16BE", QByteArray("\xFE\xFFO`Y}\0 \0t\0h\0e\0r\0e", 18)}),
    [](const ::testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Positions counting CR LF as two, the slow way, over the document's text with LF breaks.
int slowToDocument(const QString& doc, int position) {
    int crlf = 0;
    int at = 0;
    while (at < doc.size() && crlf < position) {
        crlf += doc[at] == u'\n' ? 2 : 1;
        ++at;
    }
    return at;
}

int slowFromDocument(const QString& doc, int position) {
    const int end = qMin(position, int(doc.size()));
    return end + int(QStringView(doc).left(end).count(u'\n'));
}

TEST(TextBoxPositions, SelectionsCountEachLineBreakAsTwo) {
    for (const QString& text : {QStringLiteral("ab\r\ncd\r\n\r\nefg\r\n"), QStringLiteral("\r\nx"),
                                QStringLiteral("one line"), QStringLiteral("😀a\r\n你好\r\nb")}) {
        TextBox box;
        box.setText(text);
        ASSERT_EQ(box.text(), text);
        const QString doc = box.toPlainText();
        for (int start = 0; start <= text.size() + 1; ++start) {
            for (int length = 0; start + length <= text.size() + 2; ++length) {
                SCOPED_TRACE(text.toStdString() + " " + std::to_string(start) + "+" + std::to_string(length));
                box.setSelStart(start);
                const int docStart = slowToDocument(doc, start);
                EXPECT_EQ(box.textCursor().position(), docStart);
                box.setSelLength(length);
                const int docEnd = slowToDocument(doc, slowFromDocument(doc, docStart) + length);
                EXPECT_EQ(box.textCursor().selectionStart(), docStart);
                EXPECT_EQ(box.textCursor().selectionEnd(), docEnd);
                EXPECT_EQ(box.selStart(), slowFromDocument(doc, docStart));
                EXPECT_EQ(box.selLength(), slowFromDocument(doc, docEnd) - slowFromDocument(doc, docStart));
            }
        }
    }
}

} // namespace

namespace {

TEST(SayloomLogo, IsShippedInTheProgramFolderAndShownByTheAboutWindow) {
    QImageReader reader(ProgramFolder::file(QStringLiteral("sayloom.png")));
    EXPECT_EQ(reader.format(), QByteArray("png"));
    EXPECT_EQ(reader.read().size(), QSize(256, 256));
    FakeShell shell;
    Frmabout about(shell, nullptr);
    const QLabel* picture = about.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
}

} // namespace
