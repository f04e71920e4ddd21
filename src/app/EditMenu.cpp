#include "app/EditMenu.h"

#include "app/CommandActions.h"
#include "app/CommandHost.h"
#include "app/ImageExport.h"
#include "view/View.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <memory>
#include <string>

namespace {

constexpr Command kImageCommands[] = {Command::ImageCopy, Command::SaveAsBmp, Command::SaveAsJpg, Command::SaveAsPng};

// A chart without area gives no picture, which the export refuses.
QImage RenderedChart(TViewForm& view)
{
    QImage bitmap;
    const TRect chart = view.PaintBoxRect();
    if (chart.Width() > 0 && chart.Height() > 0) view.RenderToBitmap(bitmap);
    return bitmap;
}

void ExportActiveChart(CCommandHost& host, int mode, CImageFileChooser& chooser)
{
    TViewForm* view = host.CommandView();
    if (!view || view->GraphKind == kGraphData) return;
    ExportImage(mode, RenderedChart(*view), chooser);
}

} // namespace

QMenu* BuildEditMenu(QMenuBar& bar, const CommandActions& actions, CCommandHost& host, QWidget* dialogParent)
{
    QMenu* menu = bar.addMenu("&Edit");
    menu->setObjectName("EditMenu");
    QMenu* image = menu->addMenu("Image");
    image->setObjectName("ImageMenu");
    // The folder of the last image export, while the program runs.
    const auto lastFolder = std::make_shared<std::string>();
    for (const Command command : kImageCommands) {
        image->addAction(actions[command]);
        const int mode = CommandTag(command);
        QObject::connect(actions[command], &QAction::triggered, menu, [&host, mode, dialogParent, lastFolder] {
            ImageSaveDialogs dialogs(dialogParent, *lastFolder);
            ExportActiveChart(host, mode, dialogs);
        });
    }
    menu->addSeparator();
    menu->addAction(actions[Command::EditPreferences]);
    QObject::connect(actions[Command::EditPreferences], &QAction::triggered, menu, [&host] { host.EditPreferences(); });
    return menu;
}

QToolButton* MakeImageButton(QWidget* parent, const CommandActions& actions)
{
    auto* button = new QToolButton(parent);
    button->setObjectName("ImageBtn");
    button->setDefaultAction(actions[Command::ImageCopy]);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    auto* popup = new QMenu(button);
    popup->setObjectName("ImagePopupMenu");
    popup->addAction(actions[Command::ImageCopy]);
    popup->addSeparator();
    for (const Command command : {Command::SaveAsBmp, Command::SaveAsJpg, Command::SaveAsPng}) popup->addAction(actions[command]);
    button->setMenu(popup);
    return button;
}
