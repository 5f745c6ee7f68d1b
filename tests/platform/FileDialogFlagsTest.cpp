#include "platform/services/CommonDialog.h"
#include "tests/support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class FileDialogFlagsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write(QStringLiteral("plain.wav"), "x");
        folder.write(QStringLiteral("locked.wav"), "x");
        QFile::setPermissions(folder.file(QStringLiteral("locked.wav")), QFile::ReadOwner | QFile::ReadUser);
    }
    TempFolder folder;
};

TEST_F(FileDialogFlagsTest, EachFlagRefusesOnlyThePathsItForbids) {
    const int save =
        FileDialogFlag::OverwritePrompt | FileDialogFlag::PathMustExist | FileDialogFlag::NoReadOnlyReturn;
    const int open = FileDialogFlag::PathMustExist | FileDialogFlag::FileMustExist;
    const struct {
        const char* path;
        int flags;
        bool refused;
    } cases[] = {
        {"plain.wav", save, false},
        {"new.wav", save, false},
        {"locked.wav", save, true},
        {"no/new.wav", save, true},
        {"no/new.wav", 0, false},
        {"locked.wav", open, false},
        {"new.wav", open, true},
        {"plain.wav", open, false},
        {"new.wav", FileDialogFlag::PathMustExist, false},
    };
    for (const auto& c : cases) {
        const QString path = folder.file(QString::fromLatin1(c.path));
        EXPECT_EQ(!fileDialogRefusal(path, c.flags).isEmpty(), c.refused) << c.path << " flags " << c.flags;
    }
}

TEST_F(FileDialogFlagsTest, RefusalNamesThePath) {
    const QString locked = folder.file(QStringLiteral("locked.wav"));
    EXPECT_TRUE(
        fileDialogRefusal(locked, FileDialogFlag::NoReadOnlyReturn).contains(QStringLiteral("locked.wav")));
}

} // namespace
