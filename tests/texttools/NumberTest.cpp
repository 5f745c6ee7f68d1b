#include "lexicon/Module1.h"
#include "platform/testing/FakeServices.h"
#include "tests/support/TempFolder.h"
#include "tools/text/Frmnumber.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

using namespace Module1;

namespace {

constexpr int kBlue = 0xFF0000;
constexpr int kRed = 0x0000FF;

struct Piece {
    QString text;
    int color;
};

QString b(const char16_t* word) {
    return leftBracket + QString::fromUtf16(word) + rightBracket;
}

struct ReadOutCase {
    const char* name;
    Frmnumber::Mode mode;
    QString input;
    std::function<std::vector<Piece>()> pieces; // what the box holds, in order
    QString message;                            // a refusal instead
};

void PrintTo(const ReadOutCase& c, std::ostream* os) {
    *os << c.name;
}

using M = Frmnumber::Mode;
const ReadOutCase kCases[] = {
    {"FullWidthWithZeros",
     M::Number,
     QStringLiteral("０１２.５００"),
     [] {
         return std::vector<Piece>{{ReadTwoDigits(QStringLiteral("12")), kBlue},
                                   {b(u" pCint "), 0},
                                   {ReadDigitWithZero(QStringLiteral("5")), kBlue}};
     },
     {}},
    {"ThirteenDigitsCutToTwelve",
     M::Number,
     QStringLiteral("1234567890123"),
     [] {
         return std::vector<Piece>{{ReadThreeDigits(QStringLiteral("123")) + b(u"5bIljEn"), kRed},
                                   {ReadThreeDigits(QStringLiteral("456")) + b(u"5mIljEn"), kBlue},
                                   {ReadThreeDigits(QStringLiteral("789")) + b(u"5WaJzEnd"), kRed},
                                   {ReadThreeDigits(QStringLiteral("012")), kBlue}};
     },
     {}},
    {"OneMillion",
     M::Number,
     QStringLiteral("1000000"),
     [] {
         return std::vector<Piece>{{ReadDigit(QStringLiteral("1")) + b(u"5mIljEn"), kBlue}};
     },
     {}},
    {"OneBillion",
     M::Number,
     QStringLiteral("1000000000"),
     [] {
         return std::vector<Piece>{{ReadDigit(QStringLiteral("1")) + b(u"5bIljEn"), kRed}};
     },
     {}},
    {"TwelveThousand",
     M::Number,
     QStringLiteral("12000"),
     [] {
         return std::vector<Piece>{{ReadTwoDigits(QStringLiteral("12")) + b(u" 5WaJzEnd "), kBlue}};
     },
     {}},
    {"TwoThousand",
     M::Number,
     QStringLiteral("2000"),
     [] {
         return std::vector<Piece>{{ReadDigit(QStringLiteral("2")) + b(u"5WaJzEnd"), kBlue}};
     },
     {}},
    {"TwoHundredThousandAndOne",
     M::Number,
     QStringLiteral("200001"),
     [] {
         return std::vector<Piece>{{ReadThreeDigits(QStringLiteral("200")) + b(u"5WaJzEnd"), kBlue},
                                   {ReadThreeDigits(QStringLiteral("001")), kRed}};
     },
     {}},
    {"Comma", M::Number, QStringLiteral("1,000"), nullptr, QStringLiteral("存在非数字字符！")},
    {"Letter", M::Number, QStringLiteral("12a"), nullptr, QStringLiteral("存在非数字字符！")},
    {"Year2000",
     M::Year,
     QStringLiteral("2000"),
     [] {
         return std::vector<Piece>{{ReadDigit(QStringLiteral("2")) + b(u" 5WaJzEnd "), kBlue}};
     },
     {}},
    {"Year1900",
     M::Year,
     QStringLiteral("1900"),
     [] {
         return std::vector<Piece>{{ReadTwoDigits(QStringLiteral("19")) + b(u"5hQndrId"), kBlue}};
     },
     {}},
    {"Year2005",
     M::Year,
     QStringLiteral("2005"),
     [] {
         return std::vector<Piece>{
             {ReadDigit(QStringLiteral("2")) + b(u"5WaJzEnd ") + b(u"End") + ReadDigit(QStringLiteral("5")),
              kBlue}};
     },
     {}},
    {"Year1905",
     M::Year,
     QStringLiteral("1905"),
     [] {
         return std::vector<Piece>{
             {ReadTwoDigits(QStringLiteral("19")) + b(u" End ") + ReadDigit(QStringLiteral("5")), kBlue}};
     },
     {}},
    {"Year1998",
     M::Year,
     QStringLiteral("1998"),
     [] {
         return std::vector<Piece>{
             {ReadTwoDigits(QStringLiteral("19")) + ReadTwoDigits(QStringLiteral("98")), kBlue}};
     },
     {}},
    {"Year2010",
     M::Year,
     QStringLiteral("2010"),
     [] {
         return std::vector<Piece>{
             {ReadTwoDigits(QStringLiteral("20")) + ReadTwoDigits(QStringLiteral("10")), kBlue}};
     },
     {}},
    {"YearLeadingZero",
     M::Year,
     QStringLiteral("0800"),
     [] {
         return std::vector<Piece>{{ReadDigit(QStringLiteral("8")) + b(u"5hQndrId") + b(u" End ") +
                                        ReadTwoDigits(QStringLiteral("00")),
                                    kBlue}};
     },
     {}},
    {"YearFiveDigits", M::Year, QStringLiteral("12345"), [] { return std::vector<Piece>{}; }, {}},
    {"TelephoneLeadingZero",
     M::Telephone,
     QStringLiteral("0105"),
     [] {
         return std::vector<Piece>{{leftBracket + ReadPhoneDigit(QStringLiteral("1")) + rightBracket, kBlue},
                                   {leftBracket + ReadPhoneDigit(QStringLiteral("0")) + rightBracket, kBlue},
                                   {leftBracket + ReadPhoneDigit(QStringLiteral("5")) + rightBracket, kBlue}};
     },
     {}},
    {"TelephoneHyphen", M::Telephone, QStringLiteral("12-34"), nullptr, QStringLiteral("存在非数字符号！")},
    {"TelephoneBlank", M::Telephone, QStringLiteral("12 34"), nullptr, QStringLiteral("存在非数字符号！")},
};

class ReadOut : public ::testing::TestWithParam<ReadOutCase> {
protected:
    void SetUp() override {
        savedMode = bracketMode;
        bracketMode = QStringLiteral("[");
        DeriveBrackets();
    }
    void TearDown() override {
        bracketMode = savedMode;
        DeriveBrackets();
    }
    QString savedMode;
};

TEST_P(ReadOut, WritesTheWordsInTheirColours) {
    const ReadOutCase& c = GetParam();
    FakeServices fakes;
    Frmnumber window(fakes.messageBox, fakes.dialogs);
    window.showMode(c.mode);
    QLineEdit* box = c.mode == M::Number ? window.Text1 : c.mode == M::Year ? window.Text2 : window.Text3;
    box->setText(c.input);
    window.Rich1->setText(QStringLiteral("previous"));
    if (c.mode == M::Number)
        window.Command1_Click();
    else if (c.mode == M::Year)
        window.Command3_Click();
    else
        window.Command2_Click();

    if (!c.message.isEmpty()) {
        ASSERT_EQ(fakes.messageBox.shown.size(), 1U);
        EXPECT_EQ(fakes.messageBox.shown[0].prompt, c.message);
        EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
        EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
        EXPECT_EQ(window.Rich1->text(), QStringLiteral("previous"));
        return;
    }
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    QString whole;
    for (const Piece& p : c.pieces())
        whole += p.text;
    ASSERT_EQ(window.Rich1->text(), whole);
    int at = 0;
    for (const Piece& p : c.pieces()) {
        if (p.text.isEmpty())
            continue;
        window.Rich1->setSelStart(at);
        window.Rich1->setSelLength(int(p.text.size()));
        EXPECT_EQ(window.Rich1->selColor(), p.color) << p.text.toStdString();
        EXPECT_EQ(window.Rich1->selFontName(), QStringLiteral("Fonvella"));
        at += int(p.text.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, ReadOut, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ReadOutCase>& info) {
                             return std::string(info.param.name);
                         });

struct ModeCase {
    const char* name;
    Frmnumber::Mode mode;
    QString caption;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << c.name;
}

const ModeCase kModes[] = {
    {"Number", M::Number, QStringLiteral("标数字")},
    {"Year", M::Year, QStringLiteral("标年份")},
    {"Telephone", M::Telephone, QStringLiteral("标电话号码")},
};

class NumberWindowMode : public ::testing::TestWithParam<ModeCase> {};

TEST_P(NumberWindowMode, OneGroupShownItsLabelPastesItsButtonFollowsTheBox) {
    const ModeCase& c = GetParam();
    FakeServices fakes;
    Frmnumber window(fakes.messageBox, fakes.dialogs);
    window.showMode(c.mode);
    struct Group {
        QLabel* label;
        QLineEdit* box;
        QPushButton* button;
        void (Frmnumber::*click)();
    };
    const Group groups[] = {{window.Label1, window.Text1, window.Command1, &Frmnumber::Label1_Click},
                            {window.Label3, window.Text2, window.Command3, &Frmnumber::Label3_Click},
                            {window.Label4, window.Text3, window.Command2, &Frmnumber::Label4_Click}};
    const auto shown = static_cast<std::size_t>(c.mode);
    for (std::size_t g = 0; g < 3; ++g) {
        for (QWidget* part : {static_cast<QWidget*>(groups[g].label), static_cast<QWidget*>(groups[g].box),
                              static_cast<QWidget*>(groups[g].button)})
            EXPECT_EQ(part->isVisibleTo(&window), g == shown) << part->objectName().toStdString();
        EXPECT_EQ(groups[g].label->toolTip(), QStringLiteral("点击复制"));
        EXPECT_FALSE(groups[g].button->isEnabled());
    }
    EXPECT_EQ(window.windowTitle(), c.caption);

    const Group& group = groups[shown];
    group.box->setText(QStringLiteral("old"));
    QApplication::clipboard()->setText(QStringLiteral("1998"));
    (window.*group.click)();
    EXPECT_EQ(group.box->text(), QStringLiteral("1998"));
    EXPECT_TRUE(group.button->isEnabled());
    QApplication::clipboard()->clear();
    (window.*group.click)();
    EXPECT_TRUE(group.box->text().isEmpty());
    EXPECT_FALSE(group.button->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Modes, NumberWindowMode, ::testing::ValuesIn(kModes),
                         [](const ::testing::TestParamInfo<ModeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(NumberWindow, NormalisedNumberIsWrittenBackAndButtonsFollowTheirBoxes) {
    FakeServices fakes;
    Frmnumber window(fakes.messageBox, fakes.dialogs);
    window.showMode(M::Number);
    EXPECT_FALSE(window.Command1->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("０１２.５００"));
    window.Label1_Click();
    EXPECT_TRUE(window.Command1->isEnabled());
    window.Command1_Click();
    EXPECT_EQ(window.Text1->text(), QStringLiteral("12.5"));
    window.Text1->clear();
    EXPECT_FALSE(window.Command1->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("标数字"));
    EXPECT_TRUE(window.Text1->isVisibleTo(&window));
    EXPECT_FALSE(window.Text2->isVisibleTo(&window));
}

TEST(NumberWindow, SaveWritesRtfAfterTheOverwriteQuestion) {
    TempFolder folder;
    FakeServices fakes;
    Frmnumber window(fakes.messageBox, fakes.dialogs);
    window.Rich1->setText(QStringLiteral("wQn"));
    folder.write(QStringLiteral("old.rtf"), "keep");
    fakes.dialogs.saveAnswers.push_back({folder.file(QStringLiteral("old.rtf")), 1});
    fakes.dialogs.saveAnswers.push_back({folder.file(QStringLiteral("new.rtf")), 1});
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    window.Image1_Click();
    EXPECT_EQ(folder.read(QStringLiteral("old.rtf")), QByteArray("keep"));
    EXPECT_TRUE(folder.read(QStringLiteral("new.rtf")).startsWith("{\\rtf"));
    EXPECT_EQ(fakes.dialogs.saveRequests[0].filter, QStringLiteral("富文件|*.rtf"));
    EXPECT_EQ(fakes.dialogs.saveRequests[0].title, QStringLiteral("保存文件"));
}

} // namespace
