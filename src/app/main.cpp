#include "app/Application.h"
#include "app/MainForm.h"
#include "app/QtMessageSink.h"
#include "app/SettingsFolder.h"
#include "model/ProcessStart.h"
#include "model/Settings.h"
#include "view/DialogFrame.h"

#include <QTimer>
#include <clocale>

int main(int argc, char* argv[])
{
    PrepareProcess();
    OmbrelixApplication application(argc, argv);
    QApplication::setApplicationName("Ombrelix");
    // Qt takes the locale from the environment; numbers in files and on
    // screen are always written with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    InstallMessageSink(std::make_unique<QtMessageSink>());
    LetToolWindowsStepBackForModalWindows();
    // The settings files, the correction and reference files and a new
    // document's first save share one folder: beside the executable, or the
    // user's configuration folder when the program may not write there.
    ProgramFolder = SettingsFolder(QCoreApplication::applicationDirPath().toStdString() + "/");

    TMainForm mainForm(ProgramFolder);
    mainForm.show();
    // The start-up may ask questions; it runs once the window is up.
    QTimer::singleShot(0, &mainForm, &TMainForm::FormShow);
    return application.exec();
}
