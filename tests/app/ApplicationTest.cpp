// Runs under the program's own application object, so that events reach
// their handlers the way they do in the program.

#include "RecordingMessageSink.h"
#include "app/Application.h"

#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <stdexcept>

namespace {

const QEvent::Type kThrowEvent = static_cast<QEvent::Type>(QEvent::User + 1);

// A window whose handler of one event throws what it is told to.
class ThrowingWidget final : public QWidget {
public:
    std::function<void()> raise;
    int handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != kThrowEvent) return QWidget::event(event);
        ++handled;
        raise();
        return true;
    }
};

// Stands for a box that lets the event loop run while it is up: each box
// delivers the throwing event once more, as a repaint would.
class ReenteringSink final : public CMessageSink {
public:
    explicit ReenteringSink(QObject& target) : target_(target) {}
    void Beep(int, int) override {}
    MessageAnswer Show(MessageKind, const std::string& caption, const std::string& text) override
    {
        shown.push_back(caption + "|" + text);
        QEvent again(kThrowEvent);
        QCoreApplication::sendEvent(&target_, &again);
        return MessageAnswer::Yes;
    }
    std::vector<std::string> shown;

private:
    QObject& target_;
};

TEST(Application, AnExceptionLeavingAHandlerIsShownAndTheProgramGoesOn)
{
    const ScopedMessageRecorder messages;
    ThrowingWidget widget;
    QEvent event(kThrowEvent);

    widget.raise = [] { throw std::runtime_error("Range check error"); };
    EXPECT_FALSE(QCoreApplication::sendEvent(&widget, &event));
    widget.raise = [] { throw 42; };
    QCoreApplication::postEvent(&widget, new QEvent(kThrowEvent));
    QCoreApplication::processEvents();
    widget.raise = [] {};
    EXPECT_TRUE(QCoreApplication::sendEvent(&widget, &event));

    EXPECT_EQ(widget.handled, 3);
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.boxes()[0].caption, "Ombrelix");
    EXPECT_EQ(messages.boxes()[0].text, "Range check error");
    EXPECT_EQ(messages.boxes()[1].caption, "Ombrelix");
    EXPECT_EQ(messages.boxes()[1].text, "Unknown error");
}

TEST(Application, AnExceptionRaisedAgainWhileItsBoxIsUpIsNotShownAgain)
{
    ThrowingWidget widget;
    widget.raise = [] { throw std::runtime_error("paint failed"); };
    auto sink = std::make_unique<ReenteringSink>(widget);
    ReenteringSink& boxes = *sink;
    auto previous = InstallMessageSink(std::move(sink));

    QEvent event(kThrowEvent);
    QCoreApplication::sendEvent(&widget, &event);
    QCoreApplication::sendEvent(&widget, &event);

    EXPECT_EQ(widget.handled, 4);
    EXPECT_EQ(boxes.shown, (std::vector<std::string>{"Ombrelix|paint failed", "Ombrelix|paint failed"}));
    InstallMessageSink(std::move(previous));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    OmbrelixApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
