#include "reader/Frmabout.h"
#include "platform/testing/FakeServices.h"
#include "platform/widgets/ClickableLabel.h"
#include "tests/support/Mouse.h"

#include <gtest/gtest.h>

TEST(Frmabout, LinksOpenWithoutClosingTheWindowAndAClickElsewhereCloses) {
    FakeShell shell;
    Frmabout about(shell, nullptr);
    about.show();
    leftClick(about.Label10);
    leftClick(about.Label12);
    EXPECT_EQ(shell.opened,
              QStringList({QStringLiteral("mailto:") + Frmabout::mailAddress(), Frmabout::webAddress()}));
    EXPECT_TRUE(about.isVisible());
    leftClick(&about);
    EXPECT_FALSE(about.isVisible());
}
