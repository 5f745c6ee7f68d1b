// The reader window with the real voice.
#include "platform/testing/FakeServices.h"
#include "reader/Sayloom.h"
#include "reader/speech/EspeakVoice.h"
#include "tests/reader/SpeechEvents.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace {

const QString kSentences =
    QStringLiteral("One two three four. Five six seven eight. Nine ten eleven twelve. Thirteen fourteen "
                   "fifteen. Sixteen seventeen eighteen. Nineteen twenty.");

// Ends the process when the main thread stops making progress: a hung window cannot report.
class Watchdog {
public:
    explicit Watchdog(int seconds)
        : thread([this, seconds] {
              int last = -1;
              auto since = std::chrono::steady_clock::now();
              while (!done) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  if (step != last) {
                      last = step;
                      since = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(seconds)) {
                      std::fprintf(stderr, "the window hung at step %d\n", last);
                      std::_Exit(3);
                  }
              }
          }) {}
    ~Watchdog() {
        done = true;
        thread.join();
    }
    void advance() { ++step; }

private:
    std::atomic<int> step{0};
    std::atomic<bool> done{false};
    std::thread thread;
};

struct BadWav {
    const char* name;
    QByteArray bytes;
};

class SayloomBadWav : public ::testing::TestWithParam<BadWav> {};

TEST_P(SayloomBadWav, IsReportedAndLeavesTheWindowIdle) {
    TempFolder folder;
    FakeServices fakes;
    Sayloom w(fakes.services(), std::make_unique<EspeakVoice>());
    const QString path = folder.file(QStringLiteral("bad.wav"));
    folder.write(QStringLiteral("bad.wav"), GetParam().bytes);
    fakes.dialogs.openAnswers.push_back({path});
    w.menuFileSpeakWave_Click();
    waitFor([] { return false; }, 300);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_TRUE(fakes.messageBox.shown[0].prompt.contains(path));
    EXPECT_FALSE(w.speaking());
    EXPECT_FALSE(w.StopBtn->isEnabled());
    EXPECT_TRUE(w.menuFileSpeakWave->isEnabled());
    EXPECT_TRUE(w.menuFileOpenText->isEnabled());
    EXPECT_TRUE(w.menuFileSaveToWave->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Files, SayloomBadWav,
                         ::testing::Values(BadWav{"Empty", {}},
                                           BadWav{"Text", QByteArray("Just some words.")},
                                           BadWav{"CutHeader", QByteArray("RIFF\x10\0\0\0WAVEfmt ")}),
                         [](const ::testing::TestParamInfo<BadWav>& info) {
                             return std::string(info.param.name);
                         });

TEST(SayloomExport, TheWindowIsServedWhileTheFileIsWrittenAndCannotClose) {
    TempFolder folder;
    FakeServices fakes;
    Sayloom w(fakes.services(), std::make_unique<EspeakVoice>());
    QString text;
    // Long enough for an export of several seconds of work.
    for (int i = 0; i < 250; ++i)
        text += kSentences + u' ';
    w.MainTxtBox->setText(text);
    const QString path = folder.file(QStringLiteral("long.wav"));
    fakes.dialogs.saveAnswers.push_back({path});
    bool timerRan = false;
    bool closed = true;
    QTimer::singleShot(0, &w, [&] {
        timerRan = true;
        closed = w.close();
    });
    bool timerRanBeforeTheLastWord = false;
    QObject::connect(w.voice(), &SpeechVoice::Word, &w, [&] { timerRanBeforeTheLastWord = timerRan; });
    w.menuFileSaveToWave_Click();
    EXPECT_TRUE(timerRanBeforeTheLastWord);
    EXPECT_FALSE(closed);
    EXPECT_EQ(fakes.programExit.exits.size(), 0u);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("WAV文件保存成功!"));
    EXPECT_GT(QFileInfo(path).size(), 22050 * 2 * 30);
}

// Saves the box's text as a WAV file through the menu; the messages shown.
std::vector<FakeMessageBox::Shown> saveWave(Sayloom& w, FakeServices& fakes, const QString& path) {
    fakes.messageBox.shown.clear();
    fakes.dialogs.saveAnswers.push_back({path});
    w.menuFileSaveToWave_Click();
    return fakes.messageBox.shown;
}

TEST(SayloomExport, SpeechGoesBackToADeviceAfterAnExport) {
    TempFolder folder;
    FakeServices fakes;
    Sayloom w(fakes.services(), std::make_unique<EspeakVoice>());
    w.MainTxtBox->setText(kSentences);
    ASSERT_EQ(saveWave(w, fakes, folder.file(QStringLiteral("1.wav"))).size(), 1u);
    EXPECT_FALSE(w.voice()->AudioOutputStream()->isFile());
    const QByteArray saved = folder.read(QStringLiteral("1.wav"));
    w.SpeakBtn_Click();
    ASSERT_TRUE(waitFor([&] { return !w.speaking(); }));
    EXPECT_TRUE(folder.read(QStringLiteral("1.wav")) == saved);
}

TEST(SayloomExport, TheSameTextGivesTheSameFileAfterOtherSpeech) {
    TempFolder folder;
    FakeServices fakes;
    Sayloom w(fakes.services(), std::make_unique<EspeakVoice>());
    w.MainTxtBox->setText(kSentences);
    ASSERT_EQ(saveWave(w, fakes, folder.file(QStringLiteral("1.wav"))).size(), 1u);
    w.MainTxtBox->setText(QStringLiteral("Something else, first. Then more."));
    w.SpeakBtn_Click();
    ASSERT_TRUE(waitFor([&] { return !w.speaking(); }));
    w.MainTxtBox->setText(kSentences);
    ASSERT_EQ(saveWave(w, fakes, folder.file(QStringLiteral("2.wav"))).size(), 1u);
    ASSERT_EQ(saveWave(w, fakes, folder.file(QStringLiteral("3.wav"))).size(), 1u);
    const QByteArray first = folder.read(QStringLiteral("1.wav"));
    EXPECT_GT(first.size(), 22050 * 2 * 5);
    EXPECT_TRUE(folder.read(QStringLiteral("2.wav")) == first);
    EXPECT_TRUE(folder.read(QStringLiteral("3.wav")) == first);
}

TEST(SayloomExport, AFailedSynthesisIsReportedAndLeavesNoFile) {
    TempFolder folder;
    FakeServices fakes;
    Sayloom w(fakes.services(), std::make_unique<EspeakVoice>(nullptr, QStringLiteral("/bin/false")));
    w.MainTxtBox->setText(kSentences);
    const QString path = folder.file(QStringLiteral("out.wav"));
    const auto shown = saveWave(w, fakes, path);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].prompt.startsWith(QStringLiteral("声音文件没有保存：")))
        << shown[0].prompt.toStdString();
    EXPECT_EQ(shown[0].style, MsgBox::Critical);
    EXPECT_EQ(shown[0].title, QStringLiteral("友情提示"));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(w.speaking());
    EXPECT_TRUE(w.menuFileSaveToWave->isEnabled());
    EXPECT_TRUE(w.SpeakBtn->isEnabled());
}

TEST(RealAudio, StopSkipAndSpeakPressedDuringSpeechNeverHang) {
    FakeServices fakes;
    auto voice = std::make_unique<EspeakVoice>();
    ASSERT_TRUE(voice->initializationError().isEmpty());
    if (voice->GetAudioOutputs().isEmpty())
        GTEST_SKIP() << "no audio output device";
    Sayloom w(fakes.services(), std::move(voice));
    w.MainTxtBox->setText(kSentences);
    w.SkipTxtBox->setText(QStringLiteral("1"));
    Watchdog watchdog(20);
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> action(0, 2);
    std::uniform_int_distribution<int> wait(0, 120);
    w.SpeakBtn_Click();
    for (int i = 0; i < 60; ++i) {
        switch (action(random)) {
        case 0:
            w.SpeakBtn_Click();
            break;
        case 1:
            w.SkipBtn_Click();
            break;
        default:
            w.StopBtn_Click();
            w.SpeakBtn_Click();
            break;
        }
        waitFor([] { return false; }, wait(random));
        watchdog.advance();
    }
    w.StopBtn_Click();
    EXPECT_FALSE(w.speaking());
    // Speech still works after all that.
    w.SpeakBtn_Click();
    EXPECT_TRUE(waitFor([&] { return w.MainTxtBox->selLength() > 0; }, 10000));
    watchdog.advance();
    w.StopBtn_Click();
}

} // namespace
