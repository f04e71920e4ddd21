#pragma once

#include <QApplication>

// The program's application object. Every event reaches its window through
// notify; an exception that a handler lets out would otherwise end the
// program and lose every unsaved document, so it is caught here, shown in a
// warning under the caption "Ombrelix" (the exception's text, or "Unknown
// error") and the program goes on. While that box is up, a further
// exception (a paint handler that throws on every repaint) is dropped
// without a second box.
class OmbrelixApplication final : public QApplication {
public:
    OmbrelixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void Report(const char* text);

    bool reporting_ = false;
};
