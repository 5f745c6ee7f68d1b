#include "lexicon/Module1.h"
#include "platform/testing/FakeServices.h"
#include "tools/text/Frmconvert.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct ConverterFixture : ::testing::Test {
    QString savedMode = Module1::bracketMode;
    FakeServices fakes;
    RichTextBox document;
    std::unique_ptr<Frmconvert> window;

    ConverterFixture() {
        Module1::bracketMode = QStringLiteral("/");
        window = std::make_unique<Frmconvert>(fakes.messageBox, document);
    }
    ~ConverterFixture() override { Module1::bracketMode = savedMode; }

    QString closing() const {
        return fakes.messageBox.shown.empty() ? QString() : fakes.messageBox.shown.back().prompt;
    }
    QString foundLine(int found) const { return QStringLiteral("间的音标格式段：%1个。").arg(found); }
};

TEST_F(ConverterFixture, PartnerWithinTwentyCharactersOnly) {
    const QString nineteen = QStringLiteral("bit") + QString(16, u'k');
    document.setText(u'/' + nineteen + u'/');
    window->Command1_Click();
    EXPECT_TRUE(closing().contains(foundLine(1))) << closing().toStdString();
    EXPECT_EQ(document.text(), u'/' + Module1::ToNewNotation(nineteen) + u'/');

    const QString twenty = nineteen + u'k';
    document.setText(u'/' + twenty + u'/');
    window->Command1_Click();
    EXPECT_TRUE(closing().contains(foundLine(0)));
    EXPECT_EQ(document.text(), u'/' + twenty + u'/');
}

TEST_F(ConverterFixture, SlashInProseWithoutPartnerIsPassedOver) {
    document.setText(QStringLiteral("and/or a long stretch of prose /bit/"));
    window->Command1_Click();
    EXPECT_EQ(document.text(), QStringLiteral("and/or a long stretch of prose /bIt/"));
    EXPECT_EQ(window->List3, std::vector<int>{33});
}

TEST_F(ConverterFixture, ThreeSlashesMakeOneSegmentAndTheThirdOpensTheNext) {
    document.setText(QStringLiteral("/i/i/i/"));
    window->Command1_Click();
    // The middle "i" stands between a closing and an opening mark: never a segment.
    EXPECT_EQ(document.text(), QStringLiteral("/I/i/I/"));
    EXPECT_EQ(window->List3, (std::vector<int>{2, 6}));
    EXPECT_TRUE(closing().contains(foundLine(2)));
}

TEST_F(ConverterFixture, AdjacentMarksAreFoundButChangeNothing) {
    window->Option2->setChecked(true);
    document.setText(QStringLiteral("[] ] [bit] [") + QString(30, u'x'));
    window->Command1_Click();
    EXPECT_EQ(document.text(), QStringLiteral("[] ] [bIt] [") + QString(30, u'x'));
    EXPECT_TRUE(closing().contains(QStringLiteral("查找[与]") + foundLine(2)));
    EXPECT_EQ(window->List1, QStringList{QStringLiteral("bit")});
}

TEST_F(ConverterFixture, ShrinkingSegmentsAcrossLinesAreReplacedInPlace) {
    // The American rule shortens "i:" and "Eu"; later positions must still land right.
    document.setText(QStringLiteral("/si:/ and\r\n/gEu/ then /bit/ end"));
    window->Command3_Click();
    EXPECT_EQ(document.text(), QStringLiteral("/si/ and\r\n/go/ then /bIt/ end"));
    EXPECT_EQ(window->List2,
              (QStringList{QStringLiteral("si"), QStringLiteral("go"), QStringLiteral("bIt")}));
    EXPECT_FALSE(document.isHidden());
}

TEST_F(ConverterFixture, ReportLinesAreBlueBlackRedInThePhoneticFont) {
    document.setText(QStringLiteral("/bit/"));
    window->Command1_Click();
    EXPECT_EQ(window->Rich1->text(), QStringLiteral("bit----bIt\r\n"));
    const auto colourAt = [&](int start, int length) {
        window->Rich1->setSelStart(start);
        window->Rich1->setSelLength(length);
        return window->Rich1->selColor();
    };
    EXPECT_EQ(colourAt(0, 3), 0xFF0000);
    EXPECT_EQ(colourAt(3, 4), 0);
    EXPECT_EQ(colourAt(7, 3), 0x0000FF);
    EXPECT_EQ(window->Rich1->selFontName(), QStringLiteral("Fonvella"));
    EXPECT_EQ(window->Rich1->selFontSize(), 16.0);
}

TEST_F(ConverterFixture, SecondRunStartsFromEmptyListsAndReport) {
    document.setText(QStringLiteral("/bit/ /put/"));
    window->Command1_Click();
    ASSERT_EQ(window->List1.size(), 2);
    window->Command1_Click(); // everything is new notation now: nothing left to change
    EXPECT_TRUE(window->List1.isEmpty());
    EXPECT_TRUE(window->Rich1->text().isEmpty());
    EXPECT_TRUE(closing().contains(foundLine(2)));
    EXPECT_TRUE(closing().contains(QStringLiteral("成功转换了：0个")));
    EXPECT_TRUE(window->Command1->isEnabled());
    EXPECT_TRUE(window->Frame1->isEnabled());
    EXPECT_EQ(window->Frame1->title(), QStringLiteral("告诉软件如何识别音标"));
    EXPECT_EQ(window->height(), 404);
}

TEST_F(ConverterFixture, EditorHiddenAndControlsDisabledWhileTheRunYields) {
    QString text;
    for (int k = 0; k < 40000; ++k)
        text += QStringLiteral("/bit/ ");
    document.setText(text);
    document.show();
    bool sampled = false;
    bool hidden = false;
    bool controlsEnabled = true;
    QTimer::singleShot(0, window.get(), [&] {
        sampled = true;
        hidden = document.isHidden();
        controlsEnabled =
            window->Command1->isEnabled() || window->Command3->isEnabled() || window->Frame1->isEnabled();
    });
    window->Command1_Click();
    ASSERT_TRUE(sampled) << "the run never yielded";
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(controlsEnabled);
    EXPECT_TRUE(document.isVisible());
    EXPECT_EQ(window->List1.size(), 40000);
}

TEST_F(ConverterFixture, ClosingMessageOfEachDirection) {
    document.setText(QStringLiteral("/bit/ /ki:/"));
    window->Command2_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1U);
    EXPECT_EQ(
        fakes.messageBox.shown[0].prompt,
        QStringLiteral("音标转换完成！\r\n查找/与/间的音标格式段：2个。\r\n按新旧音标规则成功转换了：0个\r\n"
                       "此次转换根据内建规则完成，可能无法完全\r\n符合所有单词，请根据手头工具书\r\n核对修正"
                       "。如果见下表："));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Information);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    window->Command3_Click();
    EXPECT_EQ(
        fakes.messageBox.shown[1].prompt,
        QStringLiteral("音标转换完成！\r\n查找/与/间的音标格式段：2个。\r\n按规则成功转换了：2个\r\n"
                       "此次转换根据内建规则完成，可能无法完全符合所有单词，请根据手头工具书核对修正。"));
}

TEST(ConverterLoad, BracketSettingChoosesTheDelimiters) {
    const QString saved = Module1::bracketMode;
    FakeServices fakes;
    RichTextBox document;
    Module1::bracketMode = QStringLiteral("[");
    EXPECT_TRUE(Frmconvert(fakes.messageBox, document).Option2->isChecked());
    Module1::bracketMode = QStringLiteral("|");
    EXPECT_TRUE(Frmconvert(fakes.messageBox, document).Option1->isChecked());
    Module1::bracketMode = saved;
}

} // namespace
