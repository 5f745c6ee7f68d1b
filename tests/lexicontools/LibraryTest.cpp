#include "tests/lexicontools/LexiconToolsFixture.h"

#include "platform/richtext/RichTextBox.h"
#include "tests/shell/ShellFixture.h"
#include "tools/lexicon/Form2.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

class LibraryTest : public LexiconToolsTest {
protected:
    Form2& dialog() {
        if (!form)
            form = std::make_unique<Form2>(fakes.messageBox, mainList1, mainList2);
        return *form;
    }
    QStringList mainList1;
    QStringList mainList2;
    std::unique_ptr<Form2> form;
};

TEST_F(LibraryTest, SearchShowsTheFirstNonEmptyTranscriptionAsStored) {
    writeLibrary({{u"cat"_qs, u""_qs}, {u"cat"_qs, u"kAt"_qs}, {u"o'clock"_qs, u"E5klCk"_qs}});
    Form2& w = dialog();
    w.selectMode(w.Option7);
    w.Text5->setText(QStringLiteral(" CAT"));
    w.Command3_Click();
    EXPECT_EQ(w.Text6->text(), QStringLiteral("kAt"));
    // Quotes are values, never statement text.
    w.Text5->setText(QStringLiteral("o'clock"));
    w.Command3_Click();
    EXPECT_EQ(w.Text6->text(), QStringLiteral("E5klCk"));
    w.Text5->setText(QStringLiteral("a\"b'"));
    w.Command3_Click();
    EXPECT_TRUE(w.Text6->text().isEmpty());
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(LibraryTest, ModifyChangesOnlyTheFirstRowAndReportsAMissingWord) {
    writeLibrary({{u"cat"_qs, u"kAt"_qs}, {u"cat"_qs, u"kAt2"_qs}});
    Form2& w = dialog();
    w.Text5->setText(QStringLiteral("cat"));
    w.Text6->setText(QStringLiteral("kBt"));
    w.Command4_Click();
    EXPECT_EQ(libraryRows(QStringLiteral("cat")), (std::vector<QString>{u"kBt"_qs, u"kAt2"_qs}));
    EXPECT_TRUE(w.Text6->text().isEmpty());
    w.Text5->setText(QStringLiteral("dog"));
    w.Text6->setText(QStringLiteral("dCg"));
    w.Command4_Click();
    EXPECT_EQ(prompts(), (QStringList{u"修改成功！"_qs, u"该单词不存在，未发生修改！"_qs}));
    EXPECT_TRUE(libraryRows(QStringLiteral("dog")).empty());
}

TEST_F(LibraryTest, DeleteAsksThenReportsSuccessAlsoForAMissingWord) {
    writeLibrary({{u"cat"_qs, u"kAt"_qs}});
    Form2& w = dialog();
    w.Text5->setText(QStringLiteral("cat"));
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    w.Command6_Click();
    EXPECT_EQ(libraryRows(QStringLiteral("cat")).size(), 1u);
    w.Command6_Click();
    EXPECT_TRUE(libraryRows(QStringLiteral("cat")).empty());
    w.Text5->setText(QStringLiteral("dog"));
    w.Command6_Click();
    EXPECT_EQ(prompts(), (QStringList{u"删除后无法恢复，您确定吗？"_qs, u"删除后无法恢复，您确定吗？"_qs,
                                      u"删除成功！"_qs, u"删除后无法恢复，您确定吗？"_qs, u"删除成功！"_qs}));
    EXPECT_TRUE(w.Text5->text().isEmpty());
}

TEST_F(LibraryTest, ModifyAndDeleteReportAnUnusableLibrary) {
    folder.write(QStringLiteral("data.dat"), QByteArray("not a database, just bytes").repeated(100));
    Form2& w = dialog();
    w.Text5->setText(QStringLiteral("cat"));
    w.Text6->setText(QStringLiteral("kBt"));
    w.Command4_Click();
    w.Command6_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 3u);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[2].style, MsgBox::Critical);
    EXPECT_EQ(w.Text5->text(), QStringLiteral("cat"));
}

struct ImportCase {
    const char* name;
    bool replace;
    const char16_t* result;
    const char16_t* cat; // the library's cat afterwards
};
void PrintTo(const ImportCase& c, std::ostream* os) {
    *os << c.name;
}

class ImportTest : public LibraryTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(ImportTest, WritesEntriesAndCountsEachBranch) {
    writeLibrary({{u"cat"_qs, u"kAt0"_qs}});
    writeEntries(QStringLiteral("cat,kAt,old\r\nzzq,zEk,new\r\n"));
    Form2& w = dialog();
    w.selectMode(w.Option2);
    w.Check1->setChecked(GetParam().replace);
    w.Check2->setChecked(false);
    w.Command9->click();
    EXPECT_EQ(prompts(), QStringList{QString::fromUtf16(GetParam().result)});
    EXPECT_EQ(libraryRows(QStringLiteral("cat")), std::vector<QString>{QString::fromUtf16(GetParam().cat)});
    EXPECT_EQ(libraryRows(QStringLiteral("zzq")),
              std::vector<QString>{Module1::ToOldNotation(QStringLiteral("zEk"))});
    EXPECT_EQ(w.Frame3->title(), QStringLiteral("管理库中单词及音标"));
    EXPECT_TRUE(w.Command9->isEnabled() && w.Check1->isEnabled() && w.Check2->isEnabled());
    EXPECT_EQ(w.List2.size(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ImportTest,
    ::testing::Values(
        ImportCase{"replace", true, u"操作完成。\r\n强制更新数：1\r\n新加入音标库数：1", u"kAt"},
        ImportCase{"keep", false, u"操作完成。\r\n忽略重担记录数：1\r\n新增记录数：1", u"kAt0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LibraryTest, ImportOptionsCaptionTheirState) {
    Form2& w = dialog();
    EXPECT_EQ(w.Check1->text(), QStringLiteral("存在单词重复时，用自定义音标强制替换库中音标"));
    EXPECT_EQ(w.Check2->text(), QStringLiteral("读取到软件音标库后，删除本地自定义项"));
    w.Check1->click();
    w.Check2->click();
    EXPECT_EQ(w.Check1->text(), QStringLiteral("忽略自定义库与软件音标库中的重复记录"));
    EXPECT_EQ(w.Check2->text(), QStringLiteral("读取到软件音标库后，不删除本地自定义项"));
    w.Check1->click();
    w.Check2->click();
    EXPECT_EQ(w.Check1->text(), QStringLiteral("单词重复时，用自定义强制替换库中音标"));
    EXPECT_EQ(w.Check2->text(), QStringLiteral("读取到软件音标库后，删除本地自定义项"));
}

TEST_F(LibraryTest, ImportDeletesTheFileWhenAskedAndReportsAMissingOne) {
    writeLibrary({});
    writeEntries(QStringLiteral("cat,kAt,old\r\n"));
    Form2& w = dialog();
    w.Command9_Click();
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("selfmake.dat"))));
    EXPECT_EQ(w.List1->count(), 0);
    EXPECT_TRUE(w.List2.isEmpty());
    fakes.messageBox.shown.clear();
    w.Command9_Click();
    EXPECT_EQ(prompts(), (QStringList{u"操作完成。\r\n强制更新数：0\r\n新加入音标库数：0"_qs,
                                      u"本地自定义音标文件没有找到，没有删除动作！"_qs}));
}

TEST_F(LibraryTest, ImportKeepsItsEntriesWhenTheDialogChangesAndClosesMeanwhile) {
    writeLibrary({});
    // Enough entries that the import lets events through several times.
    constexpr int kEntries = 20000;
    QString entries;
    for (int i = 0; i < kEntries; ++i)
        entries += QStringLiteral("zzq%1,zEk,old\r\n").arg(i);
    writeEntries(entries);
    Form2& w = dialog();
    w.selectMode(w.Option2);
    bool ranDuringImport = false;
    QTimer::singleShot(0, &w, [&] {
        ranDuringImport = w.busy();
        writeEntries(QStringLiteral("other,Xt,old\r\n"));
        w.selectMode(w.Option1); // refills both lists from the file as it is now
        w.done(0);
    });
    w.Command9_Click();
    ASSERT_TRUE(ranDuringImport);
    EXPECT_EQ(prompts().value(0),
              QStringLiteral("操作完成。\r\n强制更新数：0\r\n新加入音标库数：%1").arg(kEntries));
    EXPECT_EQ(libraryRows(QStringLiteral("zzq%1").arg(kEntries - 1)), std::vector<QString>{u"zEk"_qs});
    EXPECT_TRUE(libraryRows(QStringLiteral("other")).empty());
    // The file went at the end of the import; the main lists, filled at the close, follow it.
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("selfmake.dat"))));
    EXPECT_TRUE(mainList1.isEmpty());
    EXPECT_TRUE(mainList2.isEmpty());
}

class ImportFailureTest : public LibraryTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ImportFailureTest, KeepsTheEntriesAndReports) {
    writeLibrary({{u"dog"_qs, u"dCg"_qs}});
    const std::string kind = GetParam();
    if (kind == "corrupt")
        folder.write(QStringLiteral("data.dat"), QByteArray("garbage").repeated(500));
    else if (kind == "unwritable") // a folder where the journal goes: no write can happen
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("data.dat-journal")));
    else
        QFile::remove(folder.file(QStringLiteral("data.dat")));
    const QString entries = QStringLiteral("cat,kAt,old\r\nzzq,zEk,new\r\n");
    writeEntries(entries);
    Form2& w = dialog();
    w.Command9_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_TRUE(fakes.messageBox.shown[0].prompt.contains(QStringLiteral("2 条")));
    EXPECT_EQ(entriesFile(), entries);
    EXPECT_EQ(w.List2.size(), 2);
    if (kind == "unwritable") {
        EXPECT_TRUE(libraryRows(QStringLiteral("cat")).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Libraries, ImportFailureTest, ::testing::Values("corrupt", "unwritable", "missing"),
                         [](const auto& info) { return std::string(info.param); });

// The shell with a library: an imported entry reaches the next lookup and the next annotation.
class ImportReachesAnnotation : public ShellTest {};

TEST_F(ImportReachesAnnotation, NextLookupAndFullTextAnnotationSeeTheNewRow) {
    {
        auto db = Database::open(folder.file(QStringLiteral("data.dat")), Database::Mode::Create);
        ASSERT_TRUE(db && createLexiconTables(*db));
    }
    folder.write(QStringLiteral("canshushezhi.txt"),
                 "canshu1=old\r\ncanshu2=[\r\ncanshu4=dangqian\r\n[end]\r\n");
    frmMain& w = started();
    EXPECT_TRUE(Module1::LookupPhoneticDb(QStringLiteral("zzq")).isEmpty());
    folder.write(QStringLiteral("selfmake.dat"), "zzq,zEk,old\r\n");
    Form2& entries = w.entriesWindow();
    entries.selectMode(entries.Option2);
    entries.Command9_Click();
    EXPECT_EQ(Module1::LookupPhoneticDb(QStringLiteral("zzq")), QStringLiteral("zEk"));
    w.Rich1->setText(QStringLiteral("zzq"));
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    EXPECT_EQ(w.Rich1->text(), QStringLiteral("zzq[zEk] "));
}
