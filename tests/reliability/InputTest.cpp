// Hostile or unusual input: markup in the document, odd lock files, bad server answers, RTF and text
// files as other programs write them, settings out of range, a database busy with a write.
#include "annotation/AppendedLayout.h"
#include "annotation/HtmlPage.h"
#include "annotation/InlineLayout.h"
#include "annotation/InterlinearLayout.h"
#include "annotation/PhoneticFont.h"
#include "lexicon/LexiconTables.h"
#include "platform/core/TextEncoding.h"
#include "platform/database/Database.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RtfReader.h"
#include "platform/testing/FakeServices.h"
#include "reader/Sayloom.h"
#include "reader/TextBox.h"
#include "shell/InstanceLock.h"
#include "shell/VersionCheck.h"
#include "shell/frmMain.h"
#include "shell/frmstep1.h"
#include "tests/lexicon/LexiconFixtures.h"
#include "tests/reader/FakeSpeechVoice.h"
#include "tests/support/LocalFileServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QStringEncoder>
#include <QSysInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;

namespace {

const QString kHostile = QStringLiteral("<script>alert(1)</script> <img src=x onerror=\"go()\"> a < b & 'c'");
const QString kEscaped =
    QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt; &lt;img src=x onerror=&quot;go()&quot;&gt; "
                   "a &lt; b &amp; &#39;c&#39;");

TEST(PageEscaping, DocumentTextNeverBecomesMarkup) {
    const QString entities = Module1::ToHtmlEntities(QStringLiteral("kAt"));
    InlineStyle style;
    style.leftBracket = QStringLiteral("[");
    style.rightBracket = QStringLiteral("]");
    style.separator = QStringLiteral(" ");
    const struct {
        const char* layout;
        QString body;
    } pages[] = {
        {"inline", InlineLayout::pageBody(kHostile, {QStringLiteral("kAt")}, {1}, style)},
        {"appended", AppendedLayout::pageBody(kHostile + QStringLiteral("\r\n") + kHostile,
                                              {QStringLiteral("kAt")}, style)},
        {"interlinear up", InterlinearLayout::pageBody({kHostile}, {QStringLiteral("kAt")}, true)},
        {"interlinear down", InterlinearLayout::pageBody({kHostile}, {QStringLiteral("<kAt>")}, false)},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.layout);
        EXPECT_FALSE(page.body.contains(QStringLiteral("<script"))) << page.body.toStdString();
        EXPECT_FALSE(page.body.contains(QStringLiteral("<img"))) << page.body.toStdString();
        EXPECT_FALSE(page.body.contains(QStringLiteral("<kAt>")));
        EXPECT_TRUE(page.body.contains(kEscaped)) << page.body.toStdString();
    }
    // The transcription's own entities stay as they are.
    EXPECT_TRUE(pages[0].body.contains(entities));
    EXPECT_EQ(HtmlPage::escape(QStringLiteral("&#594;")), QStringLiteral("&amp;#594;"));
}

class LockTest : public ::testing::Test {
protected:
    QString path() const { return folder.file(QStringLiteral("phonexa.lock")); }
    TempFolder folder;
};

TEST_F(LockTest, UnreadableOrForeignLocksAreTakenOver) {
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    const struct {
        const char* name;
        QByteArray contents;
    } cases[] = {
        {"empty", {}},
        {"garbled", "\x01\xff garbage\n\n"},
        {"no pid", "x\ntest_reliability\n" + QSysInfo::machineHostName().toUtf8() + "\n"},
        // A live process id, but of another machine: not this host's instance.
        {"foreign host", self + "\ntest_reliability\nsome-other-host.example\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        folder.write(QStringLiteral("phonexa.lock"), c.contents);
        InstanceLock lock(path());
        EXPECT_EQ(lock.acquire(), InstanceLock::Outcome::Acquired);
    }
}

TEST_F(LockTest, LiveLockOfThisHostIsHeld) {
    QLockFile held(path());
    ASSERT_TRUE(held.tryLock(0));
    InstanceLock lock(path());
    EXPECT_EQ(lock.acquire(), InstanceLock::Outcome::HeldByRunningInstance);
}

TEST_F(LockTest, FolderAtTheLockPathIsReportedAndTheProgramRuns) {
    ASSERT_TRUE(QDir().mkpath(path()));
    FakeServices fakes;
    frmstep1 start(fakes.services(), path());
    EXPECT_TRUE(start.Form_Load());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_NE(fakes.messageBox.shown[0].prompt, QStringLiteral("已经有实例在运行！"));
    EXPECT_TRUE(fakes.messageBox.shown[0].prompt.contains(path()));
    EXPECT_TRUE(fakes.programExit.exits.empty());
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST(VersionAnswers, EmptyHugeOrUnreadableAnswersFailTheCheck) {
    const struct {
        const char* name;
        QByteArray answer;
        bool writesCopy;
    } cases[] = {
        {"empty body", {}, false},
        {"over 1 MiB", "version:99\r\n" + QByteArray(1024 * 1024 + 1, 'x'), false},
        {"no version line", "<html>gateway error</html>\r\n", true},
        {"short key line", "version\r\n", true},
        {"binary", QByteArray("\x00\x01\x02\xff", 4), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write(QStringLiteral("update.txt"), "version:10.0\r\n");
        folder.write(QStringLiteral("update1.txt"), "version:1\r\n");
        LocalFileServer server;
        server.files.insert(QStringLiteral("/update.txt"), c.answer);
        FakeServices fakes;
        VersionCheck(fakes.services(), server.url(QStringLiteral("/update.txt")), 10s).run();
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
        EXPECT_NE(fakes.messageBox.shown[0].prompt, QStringLiteral("已经是最新版本，不需要升级！"));
        EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::OkOnly | MsgBox::Critical);
        EXPECT_TRUE(fakes.shell.started.isEmpty());
        EXPECT_EQ(folder.read(QStringLiteral("update1.txt")),
                  c.writesCopy ? c.answer : QByteArray("version:1\r\n"));
    }
}

class DocumentFiles : public ::testing::Test {
protected:
    DocumentFiles()
        : start(fakes.services(), folder.file(QStringLiteral("phonexa.lock"))),
          window(fakes.services(), start) {}

    QString open(const QString& name, const QByteArray& bytes) {
        folder.write(name, bytes);
        fakes.dialogs.openAnswers.push_back({folder.file(name)});
        window.mnuFileopen_Click();
        return window.Rich1->text();
    }

    TempFolder folder;
    FakeServices fakes;
    frmstep1 start;
    frmMain window;
};

TEST_F(DocumentFiles, RtfAfterAByteOrderMarkOrLineBreaksOpensAsRtf) {
    const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\b Hello}";
    for (const QByteArray& prefix :
         {QByteArray("\xEF\xBB\xBF"), QByteArray("\r\n\r\n"), QByteArray("\xEF\xBB\xBF\n ")}) {
        SCOPED_TRACE(prefix.toHex().toStdString());
        EXPECT_EQ(open(QStringLiteral("a.rtf"), prefix + rtf), QStringLiteral("Hello"));
        window.Rich1->setSelStart(1);
        EXPECT_EQ(window.Rich1->selBold(), std::optional<bool>(true));
    }
}

TEST_F(DocumentFiles, TextFilesOpenInTheirEncoding) {
    const QString text = QStringLiteral("音标 ɒ café");
    QStringEncoder le(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    QStringEncoder be(QStringConverter::Utf16BE, QStringEncoder::Flag::WriteBom);
    QStringEncoder gb("GB18030");
    const struct {
        const char* name;
        QByteArray bytes;
        QString shown;
    } cases[] = {
        {"utf-16le", le.encode(text), text},
        {"utf-16be", be.encode(text), text},
        {"utf-8 bom", "\xEF\xBB\xBF" + text.toUtf8(), text},
        {"utf-8", text.toUtf8(), text},
        {"gb18030", gb.encode(QStringLiteral("音标 ɒ")), QStringLiteral("音标 ɒ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(open(QStringLiteral("t.txt"), c.bytes), c.shown);
        EXPECT_EQ(TextEncoding::decode(c.bytes).text, c.shown);
    }
}

TEST_F(DocumentFiles, ManyFontsKeepTheirFamilies) {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl";
    QByteArray body;
    for (int i = 0; i < 300; ++i) {
        rtf += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
        body += "\\f" + QByteArray::number(i) + " w" + QByteArray::number(i) + ' ';
    }
    open(QStringLiteral("fonts.rtf"), rtf + "}" + body + "}");
    const QTextBlock block = window.Rich1->findChild<QTextEdit*>()->document()->begin();
    int checked = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (!f.text().startsWith(u'w'))
            continue;
        const QString family = QStringLiteral("Font") + f.text().mid(1).trimmed();
        EXPECT_EQ(f.charFormat().font().families().value(0), family);
        ++checked;
    }
    EXPECT_EQ(checked, 300);
    window.Rich1->setSelStart(int(window.Rich1->text().indexOf(QStringLiteral("w299"))) + 1);
    EXPECT_EQ(window.Rich1->selFontName(), QStringLiteral("Font299"));
}

TEST_F(DocumentFiles, ThousandsOfFontsKeepTheirNamesThroughASave) {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl";
    QByteArray body;
    for (int i = 0; i < 3000; ++i) {
        rtf += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
        body += "\\f" + QByteArray::number(i) + " w" + QByteArray::number(i) + ' ';
    }
    open(QStringLiteral("fonts.rtf"), rtf + "}" + body + "}");
    window.Rich1->setSelStart(int(window.Rich1->text().indexOf(QStringLiteral("w2999"))) + 1);
    EXPECT_EQ(window.Rich1->selFontName(), QStringLiteral("Font2999"));
    const QString saved = window.Rich1->textRtf();
    EXPECT_TRUE(saved.contains(QStringLiteral(" Font2999;}")));
    EXPECT_TRUE(saved.contains(QStringLiteral(" Font0;}")));
}

TEST(SayloomEncoding, TextIsSavedInTheEncodingItWasReadIn) {
    const QString text = QStringLiteral("朗读 café");
    QStringEncoder le(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    QStringEncoder be(QStringConverter::Utf16BE, QStringEncoder::Flag::WriteBom);
    QStringEncoder gb("GB18030");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"utf-8", text.toUtf8()},      {"utf-8 bom", "\xEF\xBB\xBF" + text.toUtf8()},
        {"utf-16le", le.encode(text)}, {"utf-16be", be.encode(text)},
        {"gb18030", gb.encode(text)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        FakeServices fakes;
        Sayloom w(fakes.services(), std::make_unique<FakeSpeechVoice>());
        folder.write(QStringLiteral("in.txt"), c.bytes);
        fakes.dialogs.openAnswers.push_back({folder.file(QStringLiteral("in.txt"))});
        w.menuFileOpenText_Click();
        EXPECT_EQ(w.MainTxtBox->text(), text);
        fakes.dialogs.saveAnswers.push_back({folder.file(QStringLiteral("out.txt"))});
        w.mnusavetotxt_Click();
        EXPECT_EQ(TextEncoding::decode(folder.read(QStringLiteral("out.txt"))).encoding,
                  TextEncoding::decode(c.bytes).encoding);
        EXPECT_EQ(
            folder.read(QStringLiteral("out.txt")),
            TextEncoding::encode(text + QStringLiteral("\r\n"), TextEncoding::decode(c.bytes).encoding));
    }
}

TEST(PhoneticSize, OutsideTwoToSeventyTwoFallsBackToTheDefault) {
    const struct {
        const char* value;
        int size;
    } cases[] = {{"1", 15}, {"2", 2}, {"72", 72}, {"73", 15}, {"-4", 15}, {"30000", 15}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TempFolder folder;
        resetSettings();
        folder.write(QStringLiteral("canshushezhi.txt"), QByteArray("canshu9=") + c.value + "\r\n");
        Module1::ReadSettings();
        EXPECT_EQ(Module1::phoneticFontSize, c.size);
    }
    resetSettings();
}

TEST(LexiconBusy, LookupWaitsForAWriteUnderWay) {
    TempFolder folder;
    writeLexiconDatabase(folder, {{QStringLiteral("cat"), QStringLiteral("kAt")}});
    auto writer = Database::open(folder.file(QStringLiteral("data.dat")), Database::Mode::ReadWrite);
    ASSERT_TRUE(writer);
    ASSERT_TRUE(writer->execute(QStringLiteral("begin exclusive")));
    ASSERT_TRUE(writer->execute(QStringLiteral("insert into word (word, ipa13) values (?, ?)"),
                                {QStringLiteral("dog"), Module1::ScrambleText(QStringLiteral("dCg"))}));
    std::thread commit([&] {
        std::this_thread::sleep_for(300ms);
        (void)writer->execute(QStringLiteral("commit"));
    });
    const QString found = Module1::LookupPhoneticDb(QStringLiteral("cat"));
    commit.join();
    EXPECT_EQ(found, QStringLiteral("kAt"));
    EXPECT_EQ(Module1::LookupPhoneticDb(QStringLiteral("dog")), QStringLiteral("dCg"));
}

} // namespace
