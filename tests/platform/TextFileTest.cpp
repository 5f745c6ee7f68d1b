#include "platform/core/TextFile.h"
#include "platform/core/Ansi.h"
#include "platform/core/ProgramFolder.h"
#include "tests/support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(Ansi, IsGb18030) {
    const QString text = QStringLiteral("宋体 ɒ€");
    EXPECT_EQ(Ansi::encode(QStringLiteral("宋体")), QByteArray("\xcb\xce\xcc\xe5"));
    EXPECT_EQ(Ansi::decode(Ansi::encode(text)), text);
}

TEST(TextFile, ReadsEveryLineBreakForm) {
    TempFolder folder;
    folder.write(QStringLiteral("a.txt"), QByteArray("one\r\ntwo\nthree\rfour\r\n\r\n\xd6\xd0"));
    const auto lines = TextFile::readAnsiLines(folder.file(QStringLiteral("a.txt")));
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                                   QStringLiteral("four"), QString(), QStringLiteral("中")}));
    EXPECT_FALSE(TextFile::readAnsiLines(folder.file(QStringLiteral("missing.txt"))));
}

TEST(TextFile, WritesCrLfAndKeepsTheOldFileOnFailure) {
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("b.txt"));
    ASSERT_TRUE(TextFile::writeAnsiLines(path, {QStringLiteral("中"), QStringLiteral("x")}));
    EXPECT_EQ(folder.read(QStringLiteral("b.txt")), QByteArray("\xd6\xd0\r\nx\r\n"));
    EXPECT_FALSE(
        TextFile::writeAnsiLines(folder.file(QStringLiteral("no/such/dir.txt")), {QStringLiteral("y")}));
    EXPECT_EQ(folder.read(QStringLiteral("b.txt")), QByteArray("\xd6\xd0\r\nx\r\n"));
}

TEST(ProgramFolderTest, JoinsWithOneSeparator) {
    TempFolder folder;
    EXPECT_EQ(ProgramFolder::file(QStringLiteral("data.dat")), folder.path() + QStringLiteral("/data.dat"));
    ProgramFolder::setOverride(QStringLiteral("/x/"));
    EXPECT_EQ(ProgramFolder::file(QStringLiteral("a")), QStringLiteral("/x/a"));
}

} // namespace
