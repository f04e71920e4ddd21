#include "ModalAnswer.h"
#include "app/QtMessageSink.h"

#include <gtest/gtest.h>

namespace {

TEST(QtMessageSink, ShowsTextPlainWithTheRightButtons)
{
    const auto question = BuildMessageBox(MessageKind::Question, "Ombrelix", "Save <b>a&b.csv</b> ?\nsecond line");
    EXPECT_EQ(question->windowTitle(), "Ombrelix");
    EXPECT_EQ(question->textFormat(), Qt::PlainText);
    EXPECT_EQ(question->text(), "Save <b>a&b.csv</b> ?\nsecond line");
    EXPECT_EQ(question->icon(), QMessageBox::Question);
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);

    const auto warning = BuildMessageBox(MessageKind::Warning, "Open", "File not found:\nx");
    EXPECT_EQ(warning->icon(), QMessageBox::Warning);
    EXPECT_EQ(warning->standardButtons(), QMessageBox::Ok);

    const auto info = BuildMessageBox(MessageKind::Info, "", "Done");
    EXPECT_EQ(info->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(info->standardButtons(), QMessageBox::Ok);

    const auto save = BuildMessageBox(MessageKind::SaveQuestion, "Ombrelix", "Do you want to save <b>a</b> ?");
    EXPECT_EQ(save->icon(), QMessageBox::Warning);
    EXPECT_EQ(save->textFormat(), Qt::PlainText);
    EXPECT_EQ(save->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(save->escapeButton(), save->button(QMessageBox::Cancel));
}

TEST(QtMessageSink, ShortAndEmptyCaptionsShowAsTheyAre)
{
    for (const char* caption : {"Read", ""}) {
        const auto box = BuildMessageBox(MessageKind::Warning, caption, "Time-out");
        box->show();
        EXPECT_GE(box->width(), 360) << caption;
        box->hide();
    }
    EXPECT_EQ(BuildMessageBox(MessageKind::Warning, "Read", "Time-out")->windowTitle(), "Read");
    // An empty title would be replaced by the program's name.
    const QString blank = BuildMessageBox(MessageKind::Info, "", "Connected to:\nQV7101")->windowTitle();
    EXPECT_FALSE(blank.isEmpty());
    EXPECT_TRUE(blank.trimmed().isEmpty());
}

TEST(QtMessageSink, AnswersWithTheButtonPressed)
{
    QtMessageSink sink;
    const std::pair<QMessageBox::StandardButton, MessageAnswer> presses[] = {
        {QMessageBox::Yes, MessageAnswer::Yes},
        {QMessageBox::No, MessageAnswer::No},
        {QMessageBox::Cancel, MessageAnswer::Cancel},
    };
    for (const auto& [button, answer] : presses) {
        PressWhenShown(button);
        EXPECT_EQ(sink.Show(MessageKind::SaveQuestion, "Ombrelix", "Save?"), answer);
    }
    PressWhenShown(QMessageBox::Yes);
    EXPECT_EQ(sink.Show(MessageKind::Question, "Ombrelix", "Save?"), MessageAnswer::Yes);
    PressWhenShown(QMessageBox::No);
    EXPECT_EQ(sink.Show(MessageKind::Question, "Ombrelix", "Save?"), MessageAnswer::No);
}

} // namespace
