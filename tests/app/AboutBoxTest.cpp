#include "app/AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(AboutBox, ShowsTheSameTextsAtEveryOpeningAndClosesWithOK)
{
    TAboutBox box;
    for (int opening = 0; opening < 2; ++opening) {
        box.NameLabel->setText("changed");
        box.show();
        EXPECT_EQ(box.windowTitle(), "About");
        EXPECT_EQ(box.NameLabel->text(), "Ombrelix");
        EXPECT_EQ(box.VersionLabel->text(), "Version 1.10");
        EXPECT_EQ(box.DateLabel->text(), "09/07/2023");
        EXPECT_TRUE(box.CopyrightLabel->text().startsWith("Copyright"));
        EXPECT_EQ(box.OKButton->text(), "Close");
        EXPECT_TRUE(box.OKButton->isDefault());
        box.OKButton->click();
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), QDialog::Accepted);
    }
}

} // namespace
