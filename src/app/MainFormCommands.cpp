// The main window as the host of its commands: what the command handlers
// ask of it, and the idle pass that enables them.

#include "app/CommandActions.h"
#include "app/MainForm.h"
#include "model/Correction.h"
#include "model/SaveFailure.h"
#include "model/Settings.h"
#include "tools/Tools.h"
#include "view/View.h"

void TMainForm::UpdateCommands()
{
    CommandContext context;
    context.view = activeView_;
    context.openViews = static_cast<int>(Views().size());
    context.scheme = Settings.CurrentScheme;
    context.gradient = Settings.UseGradient;
    context.toolsVisible = ToolsWindowVisible();
    context.showReference = Settings.ShowReference;
    context.referenceLoaded = ReferenceTraces && Settings.ReferenceTraceIndex >= 0;
    commands_->Update(CommandStates(context));
}

// A settings file that could not be read at start-up stays as it is: saving
// it now would replace the user's settings with the defaults.
void TMainForm::SaveCurrentSettings()
{
    if (!MayOverwrite(CurrentSettingsFile)) return;
    const WriteResult saved = SaveSettingsFile(CurrentSettingsFile);
    if (!saved) ShowSaveFailure("Save", SettingsFilePath(CurrentSettingsFile), saved);
}

// There is no tools window yet: it is never shown.
bool TMainForm::ToolsWindowVisible() const { return toolsForm_->isVisible(); }

void TMainForm::ShowToolsWindow(bool show)
{
    toolsForm_->setVisible(show);
    toolsForm_->ResetReplay();
}
