#include "platform/i18n/QtTranslations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(QtTranslations, DialogTextsAreChineseWhileLoaded) {
    const QString english = QCoreApplication::translate("QPlatformTheme", "Cancel");
    {
        const QtTranslations translations;
        ASSERT_TRUE(translations.loaded()) << "Qt's translation files are not installed";
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("打开"));
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), english);
}
