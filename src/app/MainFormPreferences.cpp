#include "app/MainForm.h"
#include "app/control/ViewControl.h"
#include "app/preferences/PreferencesForm.h"
#include "app/preferences/SelectSettingsForm.h"

// The main window's side of the settings dialogs.

TPreferencesForm& TMainForm::PreferencesForm()
{
    if (!preferencesForm_) preferencesForm_ = new TPreferencesForm(*this, this);
    return *preferencesForm_;
}

void TMainForm::EditPreferences() { PreferencesForm().exec(); }

void TMainForm::RunSettingsToControls() { viewControlForm_->RunSettingsToControls(); }

// The caller loads CurrentSettingsFile whatever the answer: the default
// file unless an entry of the list was opened.
void TMainForm::ShowSettingsSelection()
{
    TSelectSettingsForm selection(this);
    selection.exec();
}
