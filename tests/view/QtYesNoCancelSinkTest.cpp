#include "view/QtYesNoCancelSink.h"

#include <QAbstractButton>
#include <QApplication>
#include <gtest/gtest.h>

namespace {

TEST(QtYesNoCancelSink, ShowsAPlainWarningWithThreeButtons)
{
    const auto box = BuildYesNoCancelBox("Ombrelix", "Do you want to save the changes you made to <b>a</b> ?");
    EXPECT_EQ(box->windowTitle(), "Ombrelix");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), "Do you want to save the changes you made to <b>a</b> ?");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST(QtYesNoCancelSink, AnswersWithTheButtonPressed)
{
    QtYesNoCancelSink sink;
    const std::pair<QMessageBox::StandardButton, YesNoCancelAnswer> presses[] = {
        {QMessageBox::Yes, YesNoCancelAnswer::Yes},
        {QMessageBox::No, YesNoCancelAnswer::No},
        {QMessageBox::Cancel, YesNoCancelAnswer::Cancel},
    };
    for (const auto& [button, answer] : presses) {
        // The box is modal; press its button as soon as it is up.
        QMetaObject::invokeMethod(
            qApp,
            [button] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) box->button(button)->click();
                }
            },
            Qt::QueuedConnection);
        EXPECT_EQ(sink.Ask("Ombrelix", "Save?"), answer);
    }
}

} // namespace
