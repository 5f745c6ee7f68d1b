#include "platform/services/SettingsStore.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

TEST(IniSettingsStore, SavesReadsAndRemovesPerApplication) {
    QStandardPaths::setTestModeEnabled(true);
    IniSettingsStore store;
    const QString app = QStringLiteral("PhonexaStoreTest");
    const QString section = QStringLiteral("recentfiles");
    store.remove(app, section, QStringLiteral("File0"));
    EXPECT_EQ(store.get(app, section, QStringLiteral("File0"), QStringLiteral("none")),
              QStringLiteral("none"));
    store.save(app, section, QStringLiteral("File0"), QStringLiteral("/tmp/中文.rtf"));
    EXPECT_EQ(IniSettingsStore().get(app, section, QStringLiteral("File0"), {}),
              QStringLiteral("/tmp/中文.rtf"));
    EXPECT_EQ(store.get(QStringLiteral("OtherApp"), section, QStringLiteral("File0"), {}), QString());
    store.remove(app, section, QStringLiteral("File0"));
    EXPECT_EQ(store.get(app, section, QStringLiteral("File0"), {}), QString());
}

} // namespace
