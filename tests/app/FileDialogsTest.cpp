#include "RecordingMessageSink.h"
#include "app/OpenVmdForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Runs `step` once the dialog is up (again).
void WhenShown(QDialog& dialog, std::function<void()> step)
{
    QTimer::singleShot(0, &dialog, [&dialog, step] {
        if (dialog.isVisible()) step();
        else WhenShown(dialog, step);
    });
}

FrequencyQuestion VarnetQuestion()
{
    return {"Import Varnet", true, {{"13560", "1", "13560"}, {"Frequency", "", ""}}};
}

TEST(FrequencyDialog, AsksAgainWithoutARowAndKeepsTheTypedTimes)
{
    ScopedMessageRecorder messages;
    TOpenVmdForm dialog;
    std::vector<std::string> shownTitles;
    WhenShown(dialog, [&] {
        shownTitles.push_back(dialog.windowTitle().toStdString());
        // No row looks chosen, also once the list has the keys.
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.FreqListView->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(dialog.FreqListView->hasFocus());
        EXPECT_EQ(dialog.FreqListView->currentItem(), nullptr);
        EXPECT_TRUE(dialog.FreqListView->selectedItems().isEmpty());
        dialog.StartEdit->setText("0.5");
        dialog.OkBtn->click();
        WhenShown(dialog, [&] {
            EXPECT_EQ(dialog.StartEdit->text(), "0.5");
            ASSERT_EQ(dialog.FreqListView->topLevelItemCount(), 2);
            EXPECT_EQ(dialog.FreqListView->topLevelItem(1)->text(0), "2");
            EXPECT_EQ(dialog.FreqListView->topLevelItem(1)->text(1), "Frequency");
            dialog.FreqListView->topLevelItem(1)->setSelected(true);
            dialog.OkBtn->click();
        });
    });
    const auto answer =
        ChooseFrequency(VarnetQuestion(), [&](const FrequencyQuestion& question) { return dialog.Ask(question); });
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->Row, 1);
    EXPECT_EQ(answer->Start, "0.5");
    EXPECT_EQ(answer->End, "1e+99");
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Import Varnet");
    EXPECT_EQ(messages.boxes()[0].text, "Select frequency");
    EXPECT_EQ(shownTitles, std::vector<std::string>{"Import Varnet"});

    // The same dialog for a Bird file: the list and the buttons only; Cancel
    // abandons the import.
    WhenShown(dialog, [&] {
        EXPECT_FALSE(dialog.StartEdit->isVisible());
        EXPECT_FALSE(dialog.EndEdit->isVisible());
        EXPECT_EQ(dialog.FreqListView->topLevelItemCount(), 1);
        dialog.CancelBtn->click();
    });
    EXPECT_FALSE(dialog.Ask({"Import Bird", false, {{"13560", "1", "13560"}}}).Ok);
    EXPECT_EQ(dialog.windowTitle(), "Import Bird");
    EXPECT_EQ(dialog.StartEdit->text(), "0.5");
}

} // namespace
