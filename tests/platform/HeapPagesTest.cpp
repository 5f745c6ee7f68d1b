#include "platform/core/HeapPages.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <string>

namespace {

struct RestartCase {
    const char* name;
    const char* tunables;
    const char* thpSetting;
    bool helps;
};

class HeapPagesRestart : public ::testing::TestWithParam<RestartCase> {};

TEST_P(HeapPagesRestart, OnlyWhereTheKernelWaitsToBeAsked) {
    EXPECT_EQ(HeapPages::restartHelps(GetParam().tunables, GetParam().thpSetting), GetParam().helps);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, HeapPagesRestart,
    ::testing::Values(RestartCase{"MadviseChosen", nullptr, "always [madvise] never\n", true},
                      RestartCase{"AlwaysChosen", nullptr, "[always] madvise never\n", false},
                      RestartCase{"NeverChosen", nullptr, "always madvise [never]\n", false},
                      RestartCase{"NoSysfsFile", nullptr, "", false},
                      RestartCase{"UserTunables", "glibc.malloc.arena_max=2", "always [madvise] never\n",
                                  false},
                      RestartCase{"EmptyTunables", "", "always [madvise] never\n", false}),
    [](const auto& info) { return std::string(info.param.name); });

QString probe(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HEAP_PAGES_PROBE), arguments);
    EXPECT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QProcessEnvironment withoutTunables() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("GLIBC_TUNABLES"));
    return environment;
}

TEST(HeapPages, RestartKeepsTheArgumentsAndLeavesChildrenTheUsualEnvironment) {
    QFile sysfs(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    const std::string setting =
        sysfs.open(QIODevice::ReadOnly) ? sysfs.readAll().toStdString() : std::string();
    const QString expectedStart = HeapPages::restartHelps(nullptr, setting)
                                      ? QStringLiteral("glibc.malloc.hugetlb=1")
                                      : QStringLiteral("none");
    EXPECT_EQ(probe({QStringLiteral("a b"), QStringLiteral("中文")}, withoutTunables()),
              QStringLiteral("start=%1 now=none args=a b|中文").arg(expectedStart));
}

TEST(HeapPages, TunablesOfTheUserAreLeftAlone) {
    QProcessEnvironment environment = withoutTunables();
    environment.insert(QStringLiteral("GLIBC_TUNABLES"), QStringLiteral("glibc.malloc.arena_max=2"));
    EXPECT_EQ(probe({QStringLiteral("x")}, environment),
              QStringLiteral("start=glibc.malloc.arena_max=2 now=glibc.malloc.arena_max=2 args=x"));
}

} // namespace
