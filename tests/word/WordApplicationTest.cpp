#include "platform/word/WordApplication.h"
#include "platform/testing/FakeServices.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(WordApplication, DocumentsAreOpenedOnlyOnceShownAndRemovedOnQuit) {
    FakeShell shell;
    WordApplication word(shell);
    EXPECT_EQ(word.documentsCount(), 0);
    EXPECT_EQ(word.selection(), nullptr);
    word.addDocument();
    ASSERT_NE(word.selection(), nullptr);
    word.selection()->typeText(u"text"_s);

    EXPECT_TRUE(word.showDocuments());
    EXPECT_TRUE(shell.opened.isEmpty()) << "a hidden application shows nothing";

    word.setVisible(true);
    QString error;
    ASSERT_TRUE(word.showDocuments(&error)) << error.toStdString();
    ASSERT_EQ(shell.opened.size(), 1);
    const QString path = shell.opened[0];
    EXPECT_TRUE(path.endsWith(u".docx"));
    EXPECT_GT(QFileInfo(path).size(), 0);

    word.quit();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(word.documentsCount(), 0);
    EXPECT_FALSE(word.visible());
}

TEST(WordApplication, ShellThatCannotOpenTheDocumentIsReportedAndTheCopyRemoved) {
    FakeShell shell;
    shell.succeed = false;
    WordApplication word(shell);
    word.addDocument();
    word.setVisible(true);
    QString error;
    EXPECT_FALSE(word.showDocuments(&error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(shell.opened[0]));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(shell.opened[0]).path())) << "the folder goes with it";
}

} // namespace
