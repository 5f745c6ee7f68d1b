#include "shell/VersionCheck.h"
#include "platform/testing/FakeServices.h"
#include "tests/support/LocalFileServer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QString kLatest = QStringLiteral("已经是最新版本，不需要升级！");

QStringList prompts(const FakeMessageBox& box) {
    QStringList out;
    for (const auto& shown : box.shown)
        out.append(shown.prompt);
    return out;
}

} // namespace

TEST(VersionCheck, ComparesInstalledWithServerVersion) {
    struct Case {
        const char* name;
        QByteArray installed;
        QByteArray server;
        QString shownVersions;
        bool startsUpdater;
    };
    const Case cases[] = {
        {"server newer", "version:10.0\r\naddress:x\r\n", "version:10.5\r\nsize:12\r\n",
         QStringLiteral("10.5\r\n10.0"), true},
        {"equal versions", "version:10.5\r\n", "version:10.5\r\n", QStringLiteral("10.5\r\n10.5"), false},
        {"blank after the colon", "  version:10.0  \r\n", "version: 10.5\r\n",
         QStringLiteral(" 10.5\r\n10.0"), true},
        {"installed newer", "version:11\r\n", "version:10.5\r\n", QStringLiteral("10.5\r\n11"), false},
        {"last version line wins", "version:9\r\nversion:10.5\r\n", "version:10.5\r\n",
         QStringLiteral("10.5\r\n10.5"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write(QStringLiteral("update.txt"), c.installed);
        LocalFileServer server;
        server.files.insert(QStringLiteral("/update.txt"), c.server);
        FakeServices fakes;

        VersionCheck(fakes.services(), server.url(QStringLiteral("/update.txt")), 5s).run();

        EXPECT_EQ(folder.read(QStringLiteral("update1.txt")), c.server);
        ASSERT_FALSE(fakes.messageBox.shown.empty());
        EXPECT_EQ(fakes.messageBox.shown[0].prompt, c.shownVersions);
        EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::OkOnly);
        if (c.startsUpdater) {
            EXPECT_EQ(fakes.shell.started, QStringList{folder.file(QStringLiteral("update.exe"))});
            EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
        } else {
            EXPECT_TRUE(fakes.shell.started.isEmpty());
            EXPECT_EQ(prompts(fakes.messageBox), (QStringList{c.shownVersions, kLatest}));
        }
    }
}

TEST(VersionCheck, WithoutInstalledFileRecordsOwnVersionAndDownloadsNothing) {
    TempFolder folder;
    LocalFileServer server;
    server.files.insert(QStringLiteral("/update.txt"), QByteArrayLiteral("version:99\r\n"));
    FakeServices fakes;
    VersionCheck check(fakes.services(), server.url(QStringLiteral("/update.txt")), 5s);

    check.run();

    EXPECT_EQ(folder.read(QStringLiteral("update.txt")), QByteArrayLiteral("version:10.0.0\r\n"));
    EXPECT_EQ(prompts(fakes.messageBox), QStringList{QStringLiteral("version:10.0.0")});
    EXPECT_EQ(server.requests, 0);
    EXPECT_TRUE(fakes.shell.started.isEmpty());

    // The next check compares against the recorded version.
    check.run();
    EXPECT_EQ(server.requests, 1);
    EXPECT_EQ(fakes.shell.started.size(), 1);
}

// An unreachable server is reported; an older downloaded copy is not taken for the server's answer.
TEST(VersionCheck, FailedDownloadIsReportedNotComparedWithAnOldCopy) {
    TempFolder folder;
    folder.write(QStringLiteral("update.txt"), QByteArrayLiteral("version:10.0\r\n"));
    folder.write(QStringLiteral("update1.txt"), QByteArrayLiteral("version:10.0\r\n"));
    LocalFileServer server;
    FakeServices fakes;

    VersionCheck(fakes.services(), server.url(QStringLiteral("/update.txt")), 5s).run();

    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fakes.messageBox.shown[0].prompt.startsWith(QStringLiteral("无法连接升级服务器")));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_TRUE(fakes.shell.started.isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("update1.txt")), QByteArrayLiteral("version:10.0\r\n"));
}

TEST(VersionCheck, UpdaterThatCannotStartIsReported) {
    TempFolder folder;
    folder.write(QStringLiteral("update.txt"), QByteArrayLiteral("version:10.0\r\n"));
    LocalFileServer server;
    server.files.insert(QStringLiteral("/update.txt"), QByteArrayLiteral("version:10.5\r\n"));
    FakeServices fakes;
    fakes.shell.succeed = false;

    VersionCheck(fakes.services(), server.url(QStringLiteral("/update.txt")), 5s).run();

    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_TRUE(fakes.messageBox.shown[1].prompt.contains(QStringLiteral("update.exe")));
    EXPECT_EQ(fakes.messageBox.shown[1].style, MsgBox::Critical);
}
