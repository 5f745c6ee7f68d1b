#include "platform/richtext/RichTextBox.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

TEST(RichTextBoxPositions, CountLineBreaksAsTwo) {
    RichTextBox box;
    box.setText(QStringLiteral("ab\r\ncd\nef"));
    EXPECT_EQ(box.text(), QStringLiteral("ab\r\ncd\r\nef"));
    box.setSelStart(4);
    box.setSelLength(2);
    EXPECT_EQ(box.selText(), QStringLiteral("cd"));
    box.setSelStart(1);
    box.setSelLength(4);
    EXPECT_EQ(box.selText(), QStringLiteral("b\r\nc"));
    box.setSelStart(100);
    EXPECT_EQ(box.selStart(), 10);
    box.setSelText(QStringLiteral("!"));
    EXPECT_EQ(box.text(), QStringLiteral("ab\r\ncd\r\nef!"));
}

TEST(RichTextBoxFormats, MixedSelectionReadsAsNeither) {
    RichTextBox box;
    box.setText(QStringLiteral("plain"));
    box.setSelStart(5);
    box.setSelBold(true);
    box.setSelText(QStringLiteral("BOLD"));
    box.setSelStart(5);
    box.setSelLength(4);
    EXPECT_EQ(box.selBold(), true);
    box.setSelStart(3);
    box.setSelLength(4);
    EXPECT_EQ(box.selBold(), std::nullopt);
    box.setSelColor(0xFF0000);
    EXPECT_EQ(box.selColor(), 0xFF0000);
}

TEST(RichTextBoxEditBlock, LinesWrapAgainAfterTheBlock) {
    RichTextBox box;
    box.resize(300, 200);
    box.show();
    QCoreApplication::processEvents();
    ASSERT_GT(box.document()->pageSize().width(), 0);
    box.beginEditBlock();
    box.setSelText(QStringLiteral("word ").repeated(200));
    box.endEditBlock();
    QCoreApplication::processEvents();
    EXPECT_GT(box.document()->pageSize().width(), 0);
    EXPECT_LE(box.document()->size().width(), box.editor()->viewport()->width());
}

} // namespace
