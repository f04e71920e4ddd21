#include "app/MainForm.h"
#include "app/QtMessageSink.h"
#include "app/SettingsFolder.h"
#include "model/Settings.h"
#include "view/DialogFrame.h"

#include <QApplication>
#include <QTimer>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Ombrelix");
    // Qt takes the locale from the environment; numbers in files and on
    // screen are always written with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    InstallMessageSink(std::make_unique<QtMessageSink>());
    LetToolWindowsStepBackForModalWindows();
    ProgramFolder = QCoreApplication::applicationDirPath().toStdString() + "/";

    TMainForm mainForm(SettingsFolder(ProgramFolder));
    mainForm.show();
    // The start-up may ask questions; it runs once the window is up.
    QTimer::singleShot(0, &mainForm, &TMainForm::FormShow);
    return application.exec();
}
