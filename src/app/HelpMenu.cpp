#include "app/HelpMenu.h"

#include "app/AboutBox.h"
#include "app/CommandActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QMenu* BuildHelpMenu(QMenuBar& bar, const CommandActions& actions, QWidget* parent)
{
    QMenu* menu = bar.addMenu("&Help");
    menu->setObjectName("HelpMenu");
    menu->addAction(actions[Command::HelpAbout1]);
    QObject::connect(actions[Command::HelpAbout1], &QAction::triggered, menu, [parent] {
        TAboutBox box(parent);
        box.exec();
    });
    return menu;
}
