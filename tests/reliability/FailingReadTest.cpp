// Files whose reading fails part-way: nothing opens as if it were the whole file.
#include "lexicon/Module1.h"
#include "lexicon/WordList.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "reader/Sayloom.h"
#include "reader/TextBox.h"
#include "shell/frmMain.h"
#include "shell/frmstep1.h"
#include "tests/reader/FakeSpeechVoice.h"
#include "tests/reliability/FaultyDisks.h"
#include "tests/support/TempFolder.h"

#include <QFileInfo>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

QByteArray lines(int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += "line " + QByteArray::number(i) + " of a long document\r\n";
    return out;
}

QByteArray dictionary(int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += "word" + QByteArray::number(i) + "=|n.|w3:d\r\n";
    return out;
}

class FailingReadTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QByteArray text = lines(4000);
        const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + lines(4000) + "}";
        disk = new FailingReads({{QStringLiteral("cut.txt"), {text, 8192}},
                                 {QStringLiteral("cut.rtf"), {rtf, 8192}},
                                 {QStringLiteral("dead.txt"), {text, 0}},
                                 {QStringLiteral("whole.txt"), {QByteArray("whole\r\n"), 100}},
                                 {QStringLiteral("dictionary.txt"), {dictionary(4000), 8192}}});
    }
    static void TearDownTestSuite() {
        delete disk;
        disk = nullptr;
    }
    void SetUp() override {
        if (!disk->mounted())
            GTEST_SKIP() << "no FUSE file system for the failing reads: " << disk->error;
    }

    static inline FailingReads* disk = nullptr;
    TempFolder folder;
    FakeServices fakes;
};

TEST_F(FailingReadTest, ReadsFailWhenTheFileIsCutShort) {
    EXPECT_EQ(TextFile::readBytes(disk->file(QStringLiteral("whole.txt"))), QByteArray("whole\r\n"));
    // A file that reports no size is read to its end.
    const std::optional<QByteArray> status = TextFile::readBytes(QStringLiteral("/proc/self/status"));
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->contains("Pid:"));
    for (const char* name : {"cut.txt", "cut.rtf", "dead.txt"}) {
        const QString path = disk->file(QString::fromLatin1(name));
        EXPECT_FALSE(TextFile::readBytes(path)) << name;
        EXPECT_FALSE(TextFile::readAnsiLines(path)) << name;
        RichTextBox box;
        box.setText(QStringLiteral("kept"));
        EXPECT_FALSE(box.loadFile(path, RichTextBox::FileFormat::Rtf)) << name;
        EXPECT_EQ(box.text(), QStringLiteral("kept")) << name;
    }
}

TEST_F(FailingReadTest, WordListReadInPartIsRefusedAsAMissingOne) {
    ProgramFolder::setOverride(QFileInfo(disk->file(QStringLiteral("dictionary.txt"))).path());
    WordList list;
    const bool loaded = Module1::LoadDictionary(list, fakes.messageBox, fakes.programExit);
    ProgramFolder::setOverride(QString());
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(list.isEmpty());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fakes.messageBox.shown[0].prompt.startsWith(
        QStringLiteral("软件的字典文件dictionary.txt没有找到！")));
    EXPECT_EQ(fakes.programExit.exits, std::vector<int>{0});
}

TEST_F(FailingReadTest, PhonexaReportsTheFileAndKeepsTheDocument) {
    frmstep1 start(fakes.services(), folder.file(QStringLiteral("phonexa.lock")));
    frmMain window(fakes.services(), start);
    for (const char* name : {"cut.txt", "cut.rtf", "dead.txt"}) {
        SCOPED_TRACE(name);
        fakes.messageBox.shown.clear();
        window.Rich1->setText(QStringLiteral("the document"));
        const QString path = disk->file(QString::fromLatin1(name));
        fakes.dialogs.openAnswers.push_back({path});
        window.mnuFileopen_Click();
        EXPECT_EQ(window.Rich1->text(), QStringLiteral("the document"));
        EXPECT_NE(window.lblfile->text(), path);
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
        EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("无法打开文件：") + path);
        EXPECT_EQ(fakes.messageBox.shown[0].style & MsgBox::Critical, MsgBox::Critical);
        EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
        EXPECT_EQ(window.recentFiles().FindRecentFile(path), RecentFileList::kAbsent);
    }
}

TEST_F(FailingReadTest, SayloomReportsTheFileAndKeepsTheText) {
    Sayloom w(fakes.services(), std::make_unique<FakeSpeechVoice>());
    for (const char* name : {"cut.txt", "dead.txt"}) {
        SCOPED_TRACE(name);
        fakes.messageBox.shown.clear();
        w.MainTxtBox->setText(QStringLiteral("the text"));
        const QString path = disk->file(QString::fromLatin1(name));
        fakes.dialogs.openAnswers.push_back({path});
        w.menuFileOpenText_Click();
        EXPECT_EQ(w.MainTxtBox->text(), QStringLiteral("the text"));
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
        EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("无法读取文件：") + path);
        EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
        EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    }
}

} // namespace
