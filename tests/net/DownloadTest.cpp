#include "platform/net/Download.h"
#include "tests/support/LocalFileServer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace std::chrono_literals;

TEST(Download, WritesTheBodyIntoTheFile) {
    TempFolder folder;
    LocalFileServer server;
    server.files.insert(QStringLiteral("/update.txt"), QByteArrayLiteral("version:10.5\r\nsize:3\r\n"));

    const Download::Result result = Download::toFile(server.url(QStringLiteral("/update.txt")),
                                                     folder.file(QStringLiteral("update1.txt")), 5s);

    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("update1.txt")), QByteArrayLiteral("version:10.5\r\nsize:3\r\n"));
}

TEST(Download, ReplacesAnOlderCopy) {
    TempFolder folder;
    folder.write(QStringLiteral("copy.txt"), QByteArrayLiteral("an older and longer copy of the file"));
    LocalFileServer server;
    server.files.insert(QStringLiteral("/f"), QByteArrayLiteral("new"));

    EXPECT_TRUE(
        Download::toFile(server.url(QStringLiteral("/f")), folder.file(QStringLiteral("copy.txt")), 5s).ok);
    EXPECT_EQ(folder.read(QStringLiteral("copy.txt")), QByteArrayLiteral("new"));
}

// Each failure is reported and leaves the older copy untouched.
TEST(Download, FailuresKeepTheOlderCopy) {
    enum class Server { Answers, Stalls, Gone };
    struct Case {
        const char* name;
        Server server;
        QString path;
    };
    const Case cases[] = {
        {"missing file answers 404", Server::Answers, QStringLiteral("/missing.txt")},
        {"server never answers", Server::Stalls, QStringLiteral("/f")},
        {"nobody listens", Server::Gone, QStringLiteral("/f")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write(QStringLiteral("copy.txt"), QByteArrayLiteral("old"));
        auto server = std::make_unique<LocalFileServer>();
        server->files.insert(QStringLiteral("/f"), QByteArrayLiteral("new"));
        server->stall = c.server == Server::Stalls;
        const QUrl url = server->url(c.path);
        if (c.server == Server::Gone)
            server.reset();

        const Download::Result result = Download::toFile(url, folder.file(QStringLiteral("copy.txt")), 500ms);

        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(folder.read(QStringLiteral("copy.txt")), QByteArrayLiteral("old"));
    }
}

TEST(Download, UnwritableTargetIsReported) {
    TempFolder folder;
    LocalFileServer server;
    server.files.insert(QStringLiteral("/f"), QByteArrayLiteral("new"));

    const Download::Result result = Download::toFile(server.url(QStringLiteral("/f")),
                                                     folder.file(QStringLiteral("no/such/dir/f.txt")), 5s);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(server.requests, 1);
}
