#include "app/QtMessageSink.h"
#include "model/Settings.h"

#include <QApplication>
#include <QMainWindow>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Qt takes the locale from the environment; numbers in files and on
    // screen are always written with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    InstallMessageSink(std::make_unique<QtMessageSink>());
    ProgramFolder = QCoreApplication::applicationDirPath().toStdString() + "/";

    QMainWindow window;
    window.setWindowTitle("Ombrelix");
    window.resize(1024, 700);
    window.show();
    return application.exec();
}
