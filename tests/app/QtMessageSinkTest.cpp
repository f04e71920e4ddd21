#include "app/QtMessageSink.h"

#include <QAbstractButton>
#include <QApplication>
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
}

TEST(QtMessageSink, AnswersYesOnlyForTheYesButton)
{
    QtMessageSink sink;
    // The box is modal; press its button as soon as it is up.
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        QMetaObject::invokeMethod(
            qApp,
            [button] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) box->button(button)->click();
                }
            },
            Qt::QueuedConnection);
        EXPECT_EQ(sink.Show(MessageKind::Question, "Ombrelix", "Save?"), button == QMessageBox::Yes);
    }
}

} // namespace
