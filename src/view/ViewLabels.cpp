// The document window's label menu on the Smith chart.

#include "view/LabelCommands.h"
#include "view/LabelDialog.h"
#include "view/ChartPaintBox.h"
#include "view/View.h"
#include "view/ViewHost.h"

#include <QAction>
#include <QMenu>

namespace {

QAction* MenuItem(QMenu* menu, const char* name) { return menu->findChild<QAction*>(name); }

} // namespace

void TViewForm::ConnectLabelMenu()
{
    const auto connectItem = [this](const char* name, void (TViewForm::*handler)()) {
        connect(MenuItem(LabelsPopUpMenu, name), &QAction::triggered, this, handler);
    };
    connectItem("EditLabelMenuItem", &TViewForm::EditLabelMenuItemClick);
    connectItem("RemoveLabelMenuItem", &TViewForm::RemoveLabelMenuItemClick);
    connectItem("AddLabelMenuItem", &TViewForm::AddLabelMenuItemClick);
    connectItem("DeleteLabelsMenuItem", &TViewForm::DeleteLabelsMenuItemClick);
    connectItem("HideLabelMenuItem", &TViewForm::HideLabelMenuItemClick);
    connectItem("ShowHiddenMenuItem", &TViewForm::ShowHiddenMenuItemClick);
    connectItem("AddMatchPointMenuItem", &TViewForm::AddMatchPointMenuItemClick);
}

void TViewForm::PopupLabelMenu(TPoint point)
{
    const LabelMenuItems items = LabelMenuFor(*this, host_.ToolsWindowShown());
    for (const char* name : {"EditLabelMenuItem", "RemoveLabelMenuItem", "HideLabelMenuItem"}) {
        MenuItem(LabelsPopUpMenu, name)->setVisible(items.labelItemsVisible);
    }
    MenuItem(LabelsPopUpMenu, "AddLabelMenuItem")->setEnabled(true);
    MenuItem(LabelsPopUpMenu, "DeleteLabelsMenuItem")->setEnabled(items.deleteAllEnabled);
    MenuItem(LabelsPopUpMenu, "AddMatchPointMenuItem")->setEnabled(items.addMatchPointEnabled);
    MenuItem(LabelsPopUpMenu, "ShowHiddenMenuItem")->setVisible(items.showHiddenVisible);
    LabelsPopUpMenu->popup(PaintBox->mapToGlobal(QPoint(point.x, point.y)));
}

void TViewForm::AddLabelMenuItemClick()
{
    CLabel* label = AddLabelAt(*this, MenuPoint.x, MenuPoint.y);
    FormPaint();
    if (!label) return;
    EditLabel(*label);
    FormPaint();
}

void TViewForm::EditLabelMenuItemClick()
{
    CLabel* label = GetLabel(*this, SelectedLabel);
    if (!label) return;
    EditLabel(*label);
    FormPaint();
}

void TViewForm::RemoveLabelMenuItemClick()
{
    RemoveLabel(*this, SelectedLabel);
    SelectedLabel = -1;
    FormPaint();
}

void TViewForm::DeleteLabelsMenuItemClick()
{
    DeleteAllLabels(*this);
    FormPaint();
}

void TViewForm::HideLabelMenuItemClick()
{
    HideLabel(*this, SelectedLabel);
    FormPaint();
}

void TViewForm::ShowHiddenMenuItemClick()
{
    ShowHiddenLabels(*this);
    FormPaint();
}

void TViewForm::AddMatchPointMenuItemClick()
{
    double R = 0;
    double X = 0;
    if (host_.ToolsWindowShown() && PointToImpedance(*this, MenuPoint.x, MenuPoint.y, R, X)) host_.SetMatchPoint(R, X);
}

void TViewForm::EditLabel(CLabel& label)
{
    LabelEdit edit;
    edit.Format = label.Format;
    edit.Text = label.Text;
    if (EditLabelDialog(this, edit)) ApplyLabelEdit(*this, label, edit);
}
