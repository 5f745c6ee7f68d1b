#include "platform/testing/FakeServices.h"
#include "tests/support/TempFolder.h"
#include "tools/services/FormResize.h"
#include "tools/services/SaveCommand.h"
#include "tools/services/Skin.h"

#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

// A window inside a host, so that its size may fall to zero as a minimised window's does.
struct ResizeFixture : ::testing::Test {
    QWidget host;
    QWidget* frm = new QWidget(&host);
    QPushButton* button = new QPushButton(frm);
    QTextEdit* rich = new QTextEdit(frm);
    QFrame* frame = new QFrame(frm);
    QPushButton* inner = new QPushButton(frame);

    ResizeFixture() {
        button->setObjectName(QStringLiteral("Command1"));
        rich->setObjectName(QStringLiteral("Rich1"));
        frame->setObjectName(QStringLiteral("Frame1"));
        inner->setObjectName(QStringLiteral("Option1"));
        frm->resize(300, 200);
        button->setGeometry(20, 10, 49, 29);
        rich->setGeometry(0, 50, 300, 150);
        frame->setGeometry(100, 0, 200, 40);
        inner->setGeometry(10, 10, 100, 20);
    }
};

TEST_F(ResizeFixture, TagHoldsTheLoadGeometryInTwips) {
    FormResize layout;
    layout.ResizeInit(*frm);
    EXPECT_EQ(button->property("Tag").toString(), QStringLiteral("300 150 735 435 "));
    EXPECT_EQ(inner->property("Tag").toString(), QStringLiteral("150 150 1500 300 "));
}

TEST_F(ResizeFixture, WidthRatioMovesLeftAndWidthOnly) {
    FormResize layout;
    layout.ResizeInit(*frm);
    frm->resize(600, 100);
    layout.ResizeForm(*frm);
    EXPECT_EQ(button->geometry(), QRect(40, 5, 98, 15));
    EXPECT_EQ(rich->geometry(), QRect(0, 25, 600, 75));
    EXPECT_EQ(inner->geometry(), QRect(20, 5, 200, 10));
}

TEST_F(ResizeFixture, ZeroSizeThenRestoreGivesTheDesignGeometryBack) {
    FormResize layout;
    layout.ResizeInit(*frm);
    const QList<QRect> design{button->geometry(), rich->geometry(), frame->geometry(), inner->geometry()};
    frm->resize(0, 0);
    layout.ResizeForm(*frm);
    EXPECT_EQ(button->geometry().size(), QSize(0, 0));
    EXPECT_EQ(rich->geometry().size(), QSize(0, 0));
    frm->resize(300, 200);
    layout.ResizeForm(*frm);
    EXPECT_EQ((QList<QRect>{button->geometry(), rich->geometry(), frame->geometry(), inner->geometry()}),
              design);
}

TEST_F(ResizeFixture, WithoutInitResizeMovesNothing) {
    FormResize layout;
    frm->resize(600, 400);
    layout.ResizeForm(*frm);
    EXPECT_EQ(button->geometry(), QRect(20, 10, 49, 29));
}

TEST(ToolWindowSkin, MissingFileChangesNothingPresentFileIsApplied) {
    TempFolder folder;
    QWidget window;
    window.setStyleSheet(QStringLiteral("QWidget { color: red; }"));
    Skin skin;
    loadToolWindowSkin(skin, window);
    EXPECT_EQ(window.styleSheet(), QStringLiteral("QWidget { color: red; }"));

    folder.write(QStringLiteral("green.skn"), "QPushButton { background: green; }");
    loadToolWindowSkin(skin, window);
    EXPECT_EQ(window.styleSheet(), QStringLiteral("QPushButton { background: green; }"));
}

struct SaveFixture : ::testing::Test {
    TempFolder folder;
    FakeServices fakes;
    FileDialogRequest dialog;
    RichTextBox box;
    const SaveKind textKind{
        QStringLiteral("保存文件"), QStringLiteral("文本文件|*.txt"), {RichTextBox::FileFormat::Text}};
    const SaveKind bothKind{QStringLiteral("保存"),
                            QStringLiteral("富文本(*.rtf)|*.rtf|纯文本(*.txt)|*.txt"),
                            {RichTextBox::FileFormat::Rtf, RichTextBox::FileFormat::Text}};

    SaveFixture() { box.setText(QStringLiteral("abc 中文")); }
    void answerSave(const QString& name, int filterIndex = 1) {
        fakes.dialogs.saveAnswers.push_back({folder.file(name), filterIndex});
    }
    bool save(const SaveKind& kind) {
        return runSaveCommand(fakes.messageBox, fakes.dialogs, dialog, kind, box);
    }
};

TEST_F(SaveFixture, NewNameIsWrittenWithoutQuestion) {
    answerSave(QStringLiteral("out.txt"));
    EXPECT_TRUE(save(textKind));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_TRUE(folder.read(QStringLiteral("out.txt")).startsWith("abc "));
    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 1U);
    EXPECT_EQ(fakes.dialogs.saveRequests[0].title, QStringLiteral("保存文件"));
    EXPECT_EQ(fakes.dialogs.saveRequests[0].filter, QStringLiteral("文本文件|*.txt"));
}

TEST_F(SaveFixture, CancelToOverwriteShowsTheDialogAgainAndKeepsTheRefusedFile) {
    folder.write(QStringLiteral("old.txt"), "keep me");
    answerSave(QStringLiteral("old.txt"));
    answerSave(QStringLiteral("new.txt"));
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    EXPECT_TRUE(save(textKind));
    EXPECT_EQ(folder.read(QStringLiteral("old.txt")), QByteArray("keep me"));
    EXPECT_TRUE(folder.read(QStringLiteral("new.txt")).startsWith("abc "));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1U);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt,
              QStringLiteral("文件名已经存在，将覆盖原文件！您确定要覆盖它吗？"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::OkCancel | MsgBox::Question);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
}

TEST_F(SaveFixture, CancelThenCancelledDialogWritesNothing) {
    folder.write(QStringLiteral("old.txt"), "keep me");
    answerSave(QStringLiteral("old.txt"));
    fakes.dialogs.saveAnswers.push_back({std::nullopt, 1});
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    EXPECT_FALSE(save(textKind));
    EXPECT_EQ(fakes.dialogs.saveRequests.size(), 2U);
    EXPECT_EQ(folder.read(QStringLiteral("old.txt")), QByteArray("keep me"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
}

TEST_F(SaveFixture, OkOverwrites) {
    folder.write(QStringLiteral("old.txt"), "keep me");
    answerSave(QStringLiteral("old.txt"));
    fakes.messageBox.queueAnswer(MsgBox::Ok);
    EXPECT_TRUE(save(textKind));
    EXPECT_TRUE(folder.read(QStringLiteral("old.txt")).startsWith("abc "));
}

TEST_F(SaveFixture, FilterIndexChoosesTheFormatWhateverTheName) {
    answerSave(QStringLiteral("a.rtf"), 2);
    EXPECT_TRUE(save(bothKind));
    EXPECT_TRUE(folder.read(QStringLiteral("a.rtf")).startsWith("abc "));
    answerSave(QStringLiteral("b.txt"), 1);
    EXPECT_TRUE(save(bothKind));
    EXPECT_TRUE(folder.read(QStringLiteral("b.txt")).startsWith("{\\rtf"));
}

TEST_F(SaveFixture, UnwritableNameIsReportedAndLeftAsItWas) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    answerSave(QStringLiteral("taken"));
    fakes.messageBox.queueAnswer(MsgBox::Ok);
    EXPECT_FALSE(save(textKind));
    ASSERT_EQ(fakes.messageBox.shown.size(), 2U);
    EXPECT_EQ(fakes.messageBox.shown[1].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[1].title, QStringLiteral("友情提示"));
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("taken"))).isDir());
}

} // namespace
