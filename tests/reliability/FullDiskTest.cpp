// Every writer of the programs on a full disk: the write is reported as failed and the old file stays.
#include "annotation/HtmlPage.h"
#include "lexicon/Module1.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "platform/word/DocxWriter.h"
#include "platform/word/WordApplication.h"
#include "platform/word/WordSelection.h"
#include "reader/Sayloom.h"
#include "reader/TextBox.h"
#include "reader/speech/SpFileStream.h"
#include "shell/VersionCheck.h"
#include "shell/frmMain.h"
#include "shell/frmstep1.h"
#include "tests/reader/FakeSpeechVoice.h"
#include "tests/reliability/FaultyDisks.h"
#include "tests/support/LocalFileServer.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QByteArray kOld = "old contents that must survive\r\n";

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList prompts(const FakeMessageBox& box) {
    QStringList out;
    for (const auto& shown : box.shown)
        out.append(shown.prompt);
    return out;
}

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!disk.mounted())
            GTEST_SKIP() << "no tmpfs for the full-disk cases: " << disk.error;
    }

    // A file with the old contents on the disk, which is then filled up.
    QString oldFile(const QString& name) {
        const QString path = disk.file(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(kOld) == kOld.size());
        return path;
    }

    TempFolder folder;
    FullDisk disk;
    FakeServices fakes;
};

TEST_F(FullDiskTest, SmallWritesFailAndKeepTheOldFile) {
    const QString path = oldFile(QStringLiteral("a.txt"));
    disk.fill();
    EXPECT_FALSE(TextFile::writeBytes(path, "new"));
    EXPECT_FALSE(TextFile::writeAnsiLines(path, {QStringLiteral("新")}));
    RichTextBox box;
    box.setText(QStringLiteral("document"));
    EXPECT_FALSE(box.saveFile(path, RichTextBox::FileFormat::Rtf));
    EXPECT_FALSE(box.saveFile(path, RichTextBox::FileFormat::Text));
    EXPECT_EQ(contents(path), kOld);
}

TEST_F(FullDiskTest, EditorKeepsItsTextWhenSaveAndSaveAsFail) {
    const QString path = oldFile(QStringLiteral("doc.rtf"));
    disk.fill();
    frmstep1 start(fakes.services(), folder.file(QStringLiteral("phonexa.lock")));
    frmMain window(fakes.services(), start);
    window.Rich1->setText(QStringLiteral("typed text"));

    fakes.dialogs.saveAnswers.push_back({path});
    window.mnuFileSaveAs_Click(); // the overwrite question is answered OK
    EXPECT_EQ(window.Rich1->text(), QStringLiteral("typed text"));
    EXPECT_NE(window.lblfile->text(), path);

    window.lblfile->setText(path);
    window.mnuFileSave_Click();
    EXPECT_EQ(window.Rich1->text(), QStringLiteral("typed text"));
    EXPECT_EQ(contents(path), kOld);
    const QString failed =
        QStringLiteral("无法保存文件：") + path + QStringLiteral("\r\n原有的文件没有改动。");
    EXPECT_EQ(prompts(fakes.messageBox).count(failed), 2);
}

TEST_F(FullDiskTest, SettingsFileKeepsTheOldSettings) {
    ProgramFolder::setOverride(disk.path());
    const QString path = oldFile(QStringLiteral("canshushezhi.txt"));
    disk.fill();
    EXPECT_FALSE(Module1::WriteSettings());
    EXPECT_EQ(contents(path), kOld);
}

TEST_F(FullDiskTest, HtmlPageIsNotOpened) {
    ProgramFolder::setOverride(disk.path());
    const QString path = oldFile(QStringLiteral("tmpHTML.htm"));
    disk.fill();
    FakeShell shell;
    EXPECT_FALSE(HtmlPage::writeAndOpen(HtmlPage::header(12, 12), QStringLiteral("body"), {}, shell));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(contents(path), kOld);
}

TEST_F(FullDiskTest, SayloomTextSaveIsReportedAsFailed) {
    const QString path = oldFile(QStringLiteral("speech.txt"));
    disk.fill();
    Sayloom w(fakes.services(), std::make_unique<FakeSpeechVoice>());
    w.MainTxtBox->setText(QStringLiteral("text to keep"));
    fakes.dialogs.saveAnswers.push_back({path});
    w.mnusavetotxt_Click();
    EXPECT_EQ(contents(path), kOld);
    ASSERT_FALSE(fakes.messageBox.shown.empty());
    EXPECT_EQ(fakes.messageBox.shown.back().prompt, QStringLiteral("无法写入文件：") + path);
    EXPECT_EQ(fakes.messageBox.shown.back().style, MsgBox::Critical);
}

TEST_F(FullDiskTest, WaveFileIsReportedAsFailed) {
    const QString path = oldFile(QStringLiteral("speech.wav"));
    disk.fill();
    SpFileStream stream;
    if (stream.Open(path, SpFileStream::SSFMCreateForWrite)) {
        stream.write(QByteArray(100, '\1'));
        EXPECT_FALSE(stream.Close());
    }
    EXPECT_EQ(contents(path), kOld);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

TEST_F(FullDiskTest, WordDocumentIsReportedAndLeavesNoPartialFile) {
    WordDocument doc;
    WordSelection(doc).typeText(QStringLiteral("hello"));
    for (const bool former : {false, true}) {
        SCOPED_TRACE(former ? "over a former file" : "new file");
        const QString path =
            former ? oldFile(QStringLiteral("old.docx")) : disk.file(QStringLiteral("new.docx"));
        disk.fill();
        QString error;
        EXPECT_FALSE(writeDocx(doc, path, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(contents(path), former ? kOld : QByteArray("<missing>"));
        QFile::remove(disk.file(QStringLiteral("filler")));
        EXPECT_EQ(entries(disk.path()), former ? QStringList{QStringLiteral("old.docx")} : QStringList{});
        QFile::remove(path);
    }
}

// The document is packed while it is made, so here the disk fills up halfway through.
TEST_F(FullDiskTest, WordDocumentLargerThanTheFreeSpaceIsReportedAndLeavesNoPartialFile) {
    QString text;
    QRandomGenerator random(3);
    for (int i = 0; i < 1'000'000; ++i)
        text += i % 80 == 79 ? QChar(u'\n') : QChar(u'a' + random.bounded(26));
    WordDocument doc;
    WordSelection(doc).typeText(text);
    QString error;
    EXPECT_FALSE(writeDocx(doc, disk.file(QStringLiteral("large.docx")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(entries(disk.path()), QStringList{});
}

// The copies for the word processor lie in a folder of the temporary folder; a copy that cannot be
// written leaves neither a cut file nor an empty folder behind.
TEST_F(FullDiskTest, WordCopyThatCannotBeWrittenLeavesNothingBehind) {
    const QByteArray formerTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(disk.path()));
    WordApplication word(fakes.shell);
    word.addDocument();
    word.selection()->typeText(QStringLiteral("hello"));
    word.setVisible(true);
    disk.fill();
    QString error;
    EXPECT_FALSE(word.showDocuments(&error));
    if (formerTemp.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", formerTemp);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(fakes.shell.opened.isEmpty());
    EXPECT_EQ(entries(disk.path()), QStringList{QStringLiteral("filler")});
}

TEST_F(FullDiskTest, VersionCheckKeepsTheServerCopyAndDoesNotSayLatest) {
    ProgramFolder::setOverride(disk.path());
    oldFile(QStringLiteral("update.txt"));
    {
        QFile installed(disk.file(QStringLiteral("update.txt")));
        ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
        installed.write("version:10.0\r\n");
    }
    const QString copy = oldFile(QStringLiteral("update1.txt"));
    disk.fill();
    LocalFileServer server;
    server.files.insert(QStringLiteral("/update.txt"), "version:10.5\r\n");
    VersionCheck(fakes.services(), server.url(QStringLiteral("/update.txt")), 5s).run();
    EXPECT_EQ(contents(copy), kOld);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fakes.messageBox.shown[0].prompt.startsWith(QStringLiteral("无法连接升级服务器")));
    EXPECT_TRUE(fakes.shell.started.isEmpty());
}

} // namespace
