#include "app/Application.h"

#include "model/MessageBoxes.h"

#include <exception>

OmbrelixApplication::OmbrelixApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool OmbrelixApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Report(error.what());
    } catch (...) {
        Report("Unknown error");
    }
    return false;
}

void OmbrelixApplication::Report(const char* text)
{
    if (reporting_) return;
    reporting_ = true;
    // A box that cannot even be built (no memory left) is given up rather
    // than let out of the event delivery it was meant to protect.
    try {
        ShowWarning("Ombrelix", text);
    } catch (...) {
    }
    reporting_ = false;
}
