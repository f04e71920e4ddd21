#include "CanvasTestSupport.h"
#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "view/canvas/Canvas.h"
#include "view/canvas/ColorConversion.h"
#include "view/ColorDialog.h"
#include "view/ColorItems.h"

#include <QColorDialog>
#include <QListWidget>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr TColor kBlack = 0;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kGrey = 0x808080;
constexpr TColor kGreen = 0x00FF00;

// Answers the colour dialog for the length of a test.
class ScopedColorDialog {
public:
    explicit ScopedColorDialog(std::optional<ColorDialogChoice> answer)
        : previous_(InstallColorDialog([this, answer](TColor initial, const std::string& custom) {
              ++runs;
              shownColor = initial;
              shownCustom = custom;
              return answer;
          }))
    {
    }
    ~ScopedColorDialog() { InstallColorDialog(std::move(previous_)); }
    ScopedColorDialog(const ScopedColorDialog&) = delete;
    ScopedColorDialog& operator=(const ScopedColorDialog&) = delete;

    int runs = 0;
    TColor shownColor = 0;
    std::string shownCustom;

private:
    ColorDialogRunner previous_;
};

QImage ItemImage(TColor color)
{
    QImage image = BlackImage(120, 20);
    CCanvas canvas(image);
    canvas.SetBrushColor(kGrey);
    DrawColorItem(canvas, {0, 0, 120, 20}, "", color);
    return image;
}

TEST(ColorItems, AnItemShowsItsColourInAFramedSwatch)
{
    const QImage image = ItemImage(kGreen);
    EXPECT_EQ(PixelColor(image, 10, 10), kGreen);
    EXPECT_EQ(PixelColor(image, 24, 17), kGreen);
    EXPECT_EQ(PixelColor(image, 1, 10), kBlack);  // the inner outline
    EXPECT_EQ(PixelColor(image, 25, 10), kBlack);
    EXPECT_EQ(PixelColor(image, 0, 10), kWhite);  // the outer outline
    EXPECT_EQ(PixelColor(image, 26, 19), kWhite);
    EXPECT_EQ(PixelColor(image, 119, 19), kGrey); // the item's own background

    const QImage black = ItemImage(kBlack);
    EXPECT_EQ(PixelColor(black, 10, 10), kBlack);
}

TEST(ColorItems, AnItemWithoutAColourOfItsOwnIsHatched)
{
    const QImage image = ItemImage(kHatchedColor);
    EXPECT_EQ(PixelColor(image, 10, 10), kWhite);
    EXPECT_EQ(PixelColor(image, 13, 10), kBlack); // on the line from (5, 18) to (22, 1)
    EXPECT_EQ(PixelColor(image, 6, 9), kBlack);   // on the line from (2, 13) to (14, 1)
    int black = 0;
    for (int y = 2; y < 18; ++y) {
        for (int x = 2; x < 25; ++x) black += PixelColor(image, x, y) == kBlack;
    }
    EXPECT_GT(black, 30);
    EXPECT_LT(black, 100);
}

TEST(ColorItems, TheDelegateDrawsTheItemsColour)
{
    QListWidget list;
    auto* item = new QListWidgetItem("Trace 1", &list);
    item->setData(kColorItemRole, kGreen);
    ColorItemDelegate delegate;
    QImage target = BlackImage(120, 40);
    {
        QPainter painter(&target);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 20, 120, 20);
        option.palette = list.palette();
        option.font = list.font();
        delegate.paint(&painter, option, list.model()->index(0, 0));
    }
    EXPECT_EQ(PixelColor(target, 10, 30), kGreen);
    EXPECT_EQ(PixelColor(target, 10, 10), kBlack); // outside the item's rectangle
}

class ColorChoice : public ::testing::Test {
protected:
    void SetUp() override { Settings.CustomColors = "ColorA=0000FF"; }
    SettingsSnapshot snapshot_;
};

TEST_F(ColorChoice, AConfirmedDialogSetsTheColourAndKeepsTheCustomColours)
{
    ScopedColorDialog dialog(ColorDialogChoice{0x336699, "ColorA=00FF00"});
    TColor color = kGrey;
    EXPECT_TRUE(ChooseColor(color));
    EXPECT_EQ(color, 0x336699u);
    EXPECT_EQ(dialog.shownColor, kGrey);
    EXPECT_EQ(dialog.shownCustom, "ColorA=0000FF");
    EXPECT_EQ(Settings.CustomColors, "ColorA=00FF00");
}

TEST_F(ColorChoice, NoColourBecomesBlack)
{
    ScopedColorDialog dialog(ColorDialogChoice{0xFFFFFFFF, ""});
    TColor color = kGrey;
    EXPECT_TRUE(ChooseColor(color));
    EXPECT_EQ(color, kBlack);
}

TEST_F(ColorChoice, ACancelledDialogChangesNothing)
{
    ScopedColorDialog dialog(std::nullopt);
    TColor color = kGrey;
    EXPECT_FALSE(ChooseColor(color));
    EXPECT_EQ(color, kGrey);
    EXPECT_EQ(Settings.CustomColors, "ColorA=0000FF");
}

TEST_F(ColorChoice, TheSelectedItemTakesTheChosenColour)
{
    QListWidget list;
    for (const TColor color : {kGrey, kWhite}) (new QListWidgetItem("item", &list))->setData(kColorItemRole, color);

    ScopedColorDialog dialog(ColorDialogChoice{kGreen, ""});
    EXPECT_FALSE(ChooseItemColor(list)); // nothing selected
    EXPECT_EQ(dialog.runs, 0);

    list.setCurrentRow(1);
    EXPECT_TRUE(ChooseItemColor(list));
    EXPECT_EQ(dialog.shownColor, kWhite);
    EXPECT_EQ(list.item(1)->data(kColorItemRole).toUInt(), kGreen);
    EXPECT_EQ(list.item(0)->data(kColorItemRole).toUInt(), kGrey);
}

TEST(CustomColorsText, ReadsBackWhatItWrites)
{
    CustomColorSlots colors;
    colors[0] = 0x0000FF;
    colors[15] = 0x123456;
    const std::string text = CustomColorsToText(colors);
    EXPECT_EQ(text.substr(0, 29), "ColorA=0000FF,ColorB=FFFFFFFF");
    EXPECT_EQ(text.substr(text.size() - 13), "ColorP=123456");
    EXPECT_EQ(CustomColorsFromText(text), colors);
}

TEST(CustomColorsText, IgnoresWhatItDoesNotRecognise)
{
    const CustomColorSlots colors = CustomColorsFromText("ColorC=00FF00,junk,ColorZ=000000,ColorD=xyz,,ColorB=ff");
    EXPECT_EQ(colors[2], kGreen);
    EXPECT_EQ(colors[1], 0xFFu);
    EXPECT_FALSE(colors[0]);
    EXPECT_FALSE(colors[3]);
}

TEST(CustomColorsText, TheQtDialogStartsFromTheColourAndTheCustomColours)
{
    const auto dialog = BuildColorDialog(0x0000FF, "ColorA=00FF00,ColorB=FF0000");
    EXPECT_EQ(dialog->currentColor(), QColor(255, 0, 0));
    EXPECT_EQ(QColorDialog::customColor(0), QColor(0, 255, 0));
    EXPECT_EQ(QColorDialog::customColor(1), QColor(0, 0, 255));
    EXPECT_EQ(CustomColorsFromText(QtCustomColorsText())[1], 0xFF0000u);
}

} // namespace
