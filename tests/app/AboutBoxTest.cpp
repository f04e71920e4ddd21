#include "TempDir.h"
#include "app/AboutBox.h"
#include "app/SettingsFiles.h"
#include "model/FileIO.h"
#include "model/XMLNode.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString kNotice = QString::fromUtf8("Copyright \xC2\xA9 2023 the Ombrelix authors");

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
        EXPECT_EQ(box.CopyrightLabel->text(), kNotice);
        EXPECT_EQ(box.OKButton->text(), "Close");
        EXPECT_TRUE(box.OKButton->isDefault());
        box.OKButton->click();
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), QDialog::Accepted);
    }
}

// The settings file's "Version" element carries the About box's notice, its
// sign written in UTF-8 as it stands and read back whole.
TEST(AboutBox, TheSettingsFileCarriesTheSameNotice)
{
    const TempDir dir;
    const std::string file = dir.File("ombrelix.omt");
    SettingsFileWindows windows;
    ASSERT_TRUE(SaveSettingsFile(file, windows));
    std::string text;
    ASSERT_TRUE(ReadFileBytes(file, text));
    EXPECT_NE(text.find("<Version Copyright=\"Copyright \xC2\xA9 2023 the Ombrelix authors\" Date="), std::string::npos);

    CXMLNode root("OB_settings");
    ASSERT_TRUE(root.LoadFromFile(file));
    const CXMLNode* version = root.Child("Version");
    ASSERT_NE(version, nullptr);
    TAboutBox box;
    box.FormShow();
    EXPECT_EQ(box.CopyrightLabel->text(), QString::fromStdString(version->GetAttribute("Copyright", "")));
    EXPECT_EQ(box.CopyrightLabel->text(), kNotice);
}

} // namespace
