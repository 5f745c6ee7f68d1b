#include "platform/testing/FakeServices.h"
#include "tests/support/TempFolder.h"
#include "tools/text/Frmpiliangzhuanhuan.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct FontFixture : ::testing::Test {
    TempFolder folder;
    FakeServices fakes;
    RichTextBox document;

    // "ab" in 宋体, "cd" in Fonvella, a backslash in the base font.
    FontFixture() {
        document.setText(QStringLiteral("ab cd x\\y"));
        select(0, 2);
        document.setSelFontName(QStringLiteral("宋体"));
        select(3, 2);
        document.setSelFontName(QStringLiteral("Fonvella"));
    }
    void select(int start, int length) {
        document.setSelStart(start);
        document.setSelLength(length);
    }
    std::optional<QString> fontAt(int start, int length) {
        select(start, length);
        return document.selFontName();
    }
    void choose(Frmpiliangzhuanhuan& window, const QString& source, const QString& target) {
        fakes.dialogs.fontAnswers.push_back(FontChoice{source});
        window.Label3_Click();
        fakes.dialogs.fontAnswers.push_back(FontChoice{target});
        window.Label4_Click();
    }
    QString lastMessage() const {
        return fakes.messageBox.shown.empty() ? QString() : fakes.messageBox.shown.back().prompt;
    }
};

TEST(FontTableForm, DoubleByteCharactersBecomeEscapesAsciiStays) {
    EXPECT_EQ(Frmpiliangzhuanhuan::getcode1(QStringLiteral("宋体")), QStringLiteral("\\'cb\\'ce\\'cc\\'e5"));
    EXPECT_EQ(Frmpiliangzhuanhuan::getcode1(QStringLiteral(" Arial 体 ")),
              QStringLiteral("Arial \\'cc\\'e5"));
    EXPECT_EQ(Frmpiliangzhuanhuan::gethexcode(QStringLiteral("宋")), QStringLiteral("\\'cb\\'ce"));
}

struct RenameCase {
    const char* name;
    QString rtf;
    bool found;
    QString result; // the source after a rename; as it was when nothing was found
};

void PrintTo(const RenameCase& c, std::ostream* os) {
    *os << c.name;
}

const RenameCase kRenameCases[] = {
    {"EveryOccurrenceOnceTheTableHoldsIt", QStringLiteral("{\\fonttbl{\\f0 A;}}{\\colortbl;}A;} A;"), true,
     QStringLiteral("{\\fonttbl{\\f0 B;}}{\\colortbl;}B;} A;")},
    {"OnlyAfterTheColourTable", QStringLiteral("{\\fonttbl{\\f0 C;}}{\\colortbl;}A;}"), false,
     QStringLiteral("{\\fonttbl{\\f0 C;}}{\\colortbl;}A;}")},
    {"NameIsCaseSensitive", QStringLiteral("{\\fonttbl{\\f0 a;}}{\\colortbl;}"), false,
     QStringLiteral("{\\fonttbl{\\f0 a;}}{\\colortbl;}")},
    {"NoColourTableSearchesAllButTheLastCharacter", QStringLiteral("{\\fonttbl{\\f0 A;}} "), true,
     QStringLiteral("{\\fonttbl{\\f0 B;}} ")},
    {"NoColourTableKeyEndingTheSourceIsNotFound", QStringLiteral("{\\fonttbl{\\f0 A;}"), false,
     QStringLiteral("{\\fonttbl{\\f0 A;}")},
};

class RenameFont : public ::testing::TestWithParam<RenameCase> {};

TEST_P(RenameFont, SearchesTheFontTableAndReplacesEverywhere) {
    const RenameCase& c = GetParam();
    QString rtf = c.rtf;
    EXPECT_EQ(Frmpiliangzhuanhuan::renameFont(rtf, QStringLiteral("A"), QStringLiteral("B")), c.found);
    EXPECT_EQ(rtf, c.result);
}

INSTANTIATE_TEST_SUITE_P(Sources, RenameFont, ::testing::ValuesIn(kRenameCases),
                         [](const ::testing::TestParamInfo<RenameCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(FontFixture, ChineseFontIsRenamedInTheFontTable) {
    Frmpiliangzhuanhuan window(fakes.messageBox, fakes.dialogs, document);
    choose(window, QStringLiteral("@宋体"), QStringLiteral("黑体"));
    EXPECT_EQ(window.Label3->text(), QStringLiteral("宋体"));
    window.Command1_Click();
    EXPECT_TRUE(fakes.messageBox.shown.empty()) << lastMessage().toStdString();
    EXPECT_EQ(document.text(), QStringLiteral("ab cd x\\y"));
    EXPECT_EQ(fontAt(0, 2), QStringLiteral("黑体"));
    EXPECT_EQ(fontAt(3, 2), QStringLiteral("Fonvella"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("字体批量转换  从：宋体  到：黑体"));
    EXPECT_FALSE(document.isHidden());
    EXPECT_TRUE(window.Command1->isEnabled());
}

TEST_F(FontFixture, AsciiFontIsRenamedAndBackslashesStayAsTyped) {
    Frmpiliangzhuanhuan window(fakes.messageBox, fakes.dialogs, document);
    choose(window, QStringLiteral("Fonvella"), QStringLiteral("DejaVu Sans"));
    window.Command1_Click();
    EXPECT_EQ(fontAt(3, 2), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(fontAt(0, 2), QStringLiteral("宋体"));
    EXPECT_EQ(document.text(), QStringLiteral("ab cd x\\y"));
}

TEST_F(FontFixture, AsciiFontBecomesAChineseOne) {
    Frmpiliangzhuanhuan window(fakes.messageBox, fakes.dialogs, document);
    choose(window, QStringLiteral("Fonvella"), QStringLiteral("楷体"));
    window.Command1_Click();
    EXPECT_TRUE(fakes.messageBox.shown.empty()) << lastMessage().toStdString();
    EXPECT_EQ(fontAt(3, 2), QStringLiteral("楷体"));
    EXPECT_EQ(fontAt(0, 2), QStringLiteral("宋体"));
    // The temporary file stays and holds the renamed table entry.
    EXPECT_TRUE(folder.read(QStringLiteral("tmp001.rtf")).contains(R"(\'bf\'ac\'cc\'e5;})"));
}

TEST_F(FontFixture, FontNotInTheDocumentIsReportedAndNothingChanges) {
    Frmpiliangzhuanhuan window(fakes.messageBox, fakes.dialogs, document);
    choose(window, QStringLiteral("楷体"), QStringLiteral("黑体"));
    window.Command1_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("文档没有使用您想替换的字体，没有转换操作发生！"));
    EXPECT_EQ(document.text(), QStringLiteral("ab cd x\\y"));
    EXPECT_EQ(fontAt(0, 2), QStringLiteral("宋体"));
}

TEST_F(FontFixture, ChecksComeInOrder) {
    Frmpiliangzhuanhuan window(fakes.messageBox, fakes.dialogs, document);
    window.Command1_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("请选择好要转换的字体!"));
    fakes.dialogs.fontAnswers.push_back(FontChoice{QStringLiteral("宋体")});
    window.Label3_Click();
    window.Command1_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("请选择转换后的字体!"));
    fakes.dialogs.fontAnswers.push_back(std::nullopt); // cancelled: the dialog still holds 宋体
    window.Label4_Click();
    EXPECT_EQ(window.Label4->text(), QStringLiteral("宋体"));
    window.Command1_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("您选择的是同一种字体，无需转换！"));
    fakes.dialogs.fontAnswers.push_back(FontChoice{QStringLiteral("黑体")});
    window.Label4_Click();
    // The source dialog starts empty, so cancelling it keeps the source, not the dialog's last font.
    fakes.dialogs.fontAnswers.push_back(std::nullopt);
    window.Label3_Click();
    EXPECT_EQ(fakes.dialogs.fontRequests.back().name, QString());
    EXPECT_EQ(window.Label3->text(), QStringLiteral("宋体"));
    document.setText(QStringLiteral("  "));
    window.Command1_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("文档区没有内容，无法检测字体情况！"));
    EXPECT_EQ(fakes.messageBox.shown.back().style, MsgBox::Critical);
}

TEST_F(FontFixture, UnwritableTemporaryFileIsReportedAndTheDocumentKept) {
    Frmpiliangzhuanhuan window(fakes.messageBox, fakes.dialogs, document);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("tmp001.rtf")));
    choose(window, QStringLiteral("宋体"), QStringLiteral("黑体"));
    window.Command1_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1U);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fontAt(0, 2), QStringLiteral("宋体"));
    EXPECT_FALSE(document.isHidden());
    EXPECT_TRUE(window.Command1->isEnabled());
    EXPECT_TRUE(window.Label3->isVisibleTo(&window));
}

TEST_F(FontFixture, LoadRemovesTmpFilesOnly) {
    folder.write(QStringLiteral("tmp001.rtf"), "x");
    folder.write(QStringLiteral("tmpother"), "x");
    folder.write(QStringLiteral("keep.txt"), "x");
    Frmpiliangzhuanhuan window(fakes.messageBox, fakes.dialogs, document);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.txt")});
}

} // namespace
