#include "app/preferences/PreferencesForm.h"

#include "app/SettingsFiles.h"
#include "app/preferences/EditSettingsForm.h"
#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferenceWidgets.h"
#include "app/preferences/PreferencesHost.h"
#include "link/ConnectionCheck.h"
#include "model/Correction.h"
#include "model/MessageBoxes.h"
#include "model/SaveFailure.h"
#include "model/Settings.h"
#include "view/DialogFrame.h"
#include "view/document/RunInProgress.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {


QString Text(const std::string& text) { return QString::fromStdString(text); }

// The pointer shows that the program waits, for as long as the object lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QPushButton* LinkButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFlat(true);
    return button;
}

} // namespace

TPreferencesForm::TPreferencesForm(CPreferencesHost& host, QWidget* parent)
    : QDialog(parent), PageControl(new QTabWidget(this)), ResetLabel(LinkButton("ResetLabel", "Reset to default...", this)),
      SaveLabel(LinkButton("SaveLabel", "Save settings...", this)),
      LoadLabel(LinkButton("LoadLabel", "Open settings...", this)), OkBtn(new QPushButton("OK", this)),
      CancelBtn(new QPushButton("Cancel", this)), ApplyBtn(new QPushButton("Apply", this)), RunFileDialog(QtFileDialog),
      host_(host)
{
    setObjectName("PreferencesForm");
    setWindowTitle("Settings");
    setModal(true);
    BuildTabs();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(BuildButtons());
    ConnectTabs();
    SetDialogFrame(*this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TPreferencesForm::UpdateRunCommands);
}

void TPreferencesForm::BuildTabs()
{
    PageControl->setObjectName("PageControl");
    PageControl->addTab(General = new GeneralTab(PageControl), "General");
    PageControl->addTab(Connection = new ConnectionTab(PageControl), "Connection");
    PageControl->addTab(Graphs = new GraphsTab(PageControl), "Graphs");
    PageControl->addTab(Table = new TableTab(PageControl), "Table");
    PageControl->addTab(Label = new LabelTab(PageControl), "Label");
    PageControl->addTab(Status = new StatusTab(PageControl), "Status");
    PageControl->addTab(Correction = new CorrectionTab(PageControl), "Correction");
    PageControl->addTab(Reference = new ReferenceTab(PageControl), "Reference");
    PageControl->setCurrentIndex(0);
}

QLayout* TPreferencesForm::BuildButtons()
{
    OkBtn->setObjectName("OkBtn");
    CancelBtn->setObjectName("CancelBtn");
    ApplyBtn->setObjectName("ApplyBtn");
    OkBtn->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {ResetLabel, SaveLabel, LoadLabel}) buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : {OkBtn, CancelBtn, ApplyBtn}) buttons->addWidget(button);
    connect(ResetLabel, &QPushButton::clicked, this, &TPreferencesForm::ResetLabelClick);
    connect(SaveLabel, &QPushButton::clicked, this, &TPreferencesForm::SaveLabelClick);
    connect(LoadLabel, &QPushButton::clicked, this, &TPreferencesForm::LoadLabelClick);
    connect(OkBtn, &QPushButton::clicked, this, &TPreferencesForm::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TPreferencesForm::CancelBtnClick);
    connect(ApplyBtn, &QPushButton::clicked, this, &TPreferencesForm::ApplyBtnClick);
    return buttons;
}

void TPreferencesForm::ConnectTabs()
{
    connect(General, &GeneralTab::Changed, this, &TPreferencesForm::Changed);
    connect(Connection, &ConnectionTab::Changed, this, &TPreferencesForm::Changed);
    connect(Graphs, &GraphsTab::Changed, this, &TPreferencesForm::Changed);
    connect(Table, &TableTab::Changed, this, &TPreferencesForm::Changed);
    connect(Label, &LabelTab::Changed, this, &TPreferencesForm::Changed);
    connect(Status, &StatusTab::Changed, this, &TPreferencesForm::Changed);
    connect(Correction, &CorrectionTab::Changed, this, &TPreferencesForm::Changed);
    connect(Reference, &ReferenceTab::Changed, this, &TPreferencesForm::Changed);
    connect(Graphs, &GraphsTab::SchemeClick, this, &TPreferencesForm::SchemeClick);
    for (FontChoice* font : {Graphs->TranFont, Table->TableFont, Label->LabelFont}) {
        connect(font, &FontChoice::Applied, this, &TPreferencesForm::FontDialogApply);
    }
    connect(Reference, &ReferenceTab::TraceChosen, this, &TPreferencesForm::ApplyBtnClick);
    connect(General->StartupEditBtn, &QPushButton::clicked, this, &TPreferencesForm::StartupEditBtnClick);
    connect(Connection->CheckConnectionBtn, &QPushButton::clicked, this, &TPreferencesForm::CheckConnectionBtnClick);
    connect(Correction->CorrectionBrowseBtn, &QPushButton::clicked, this, &TPreferencesForm::CorrectionBrowseBtnClick);
    connect(Correction->CorrectionReloadBtn, &QPushButton::clicked, this, &TPreferencesForm::CorrectionReloadBtnClick);
    connect(Reference->ReferenceBrowseBtn, &QPushButton::clicked, this, &TPreferencesForm::ReferenceBrowsBtnClick);
    connect(Reference->ReferenceReloadBtn, &QPushButton::clicked, this, &TPreferencesForm::ReferenceReloadBtnClick);
}

void TPreferencesForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TPreferencesForm::FormShow()
{
    LoadControls();
    UpdateRunCommands();
}

void TPreferencesForm::UpdateRunCommands()
{
    const bool idle = !RunInProgress();
    Connection->CheckConnectionBtn->setEnabled(idle);
    Correction->CorrectionReloadBtn->setEnabled(idle);
    LoadLabel->setEnabled(idle);
}

void TPreferencesForm::LoadControls()
{
    const PreferenceControls controls =
        ControlsFromSettings(Settings, {StartupFromList, CurrentSettingsFile}, ReferenceTraces.get());
    General->Show(controls.general);
    Connection->Show(controls.connection);
    Graphs->Show(controls.graphs);
    Table->Show(controls.table);
    Label->Show(controls.label);
    Status->Show(controls.status);
    Correction->Show(controls.correction);
    Reference->Show(controls.reference);
    ApplyBtn->setEnabled(false);
}

PreferenceControls TPreferencesForm::ReadControls() const
{
    return {General->Read(), Connection->Read(), Graphs->Read(), Table->Read(),
            Label->Read(),   Status->Read(),     Correction->Read(), Reference->Read()};
}

void TPreferencesForm::StoreControls()
{
    StartupChoice startup{StartupFromList, CurrentSettingsFile};
    ::StoreControls(ReadControls(), Settings, startup);
    StartupFromList = startup.fromList;
    host_.RepaintAllViews();
    ApplyBtn->setEnabled(false);
    SaveSettingsList();
    SaveSettingsFile(CurrentSettingsFile);
}

bool TPreferencesForm::SaveSettingsFile(const std::string& fileName)
{
    const WriteResult saved = host_.SaveSettingsFile(fileName);
    if (!saved) ShowSaveFailure("Save Settings", SettingsFilePath(fileName), saved);
    return static_cast<bool>(saved);
}

void TPreferencesForm::SaveSettingsList()
{
    const WriteResult saved = host_.SaveSettingsList(SettingsListFile);
    if (!saved) ShowSaveFailure("Save Settings", SettingsListFile, saved);
}

void TPreferencesForm::Changed() { ApplyBtn->setEnabled(true); }

void TPreferencesForm::ApplyBtnClick() { StoreControls(); }

void TPreferencesForm::OkBtnClick()
{
    StoreControls();
    accept();
}

void TPreferencesForm::CancelBtnClick() { reject(); }

void TPreferencesForm::ResetLabelClick()
{
    if (!AskYesNo("Settings", "Reset all settings to default?")) return;
    SetDefaults(Settings);
    LoadControls();
    host_.RepaintAllViews();
}

void TPreferencesForm::SaveLabelClick()
{
    const std::string name = RunFileDialog({true, "Save Settings", kSettingsFileFilter, "omt", SettingsFilePath(CurrentSettingsFile)});
    if (!name.empty()) SaveSettingsFile(name);
}

void TPreferencesForm::LoadLabelClick()
{
    if (RunInProgress()) return;
    const std::string name =
        RunFileDialog({false, "Open SettingsPreferences", kSettingsFileFilter, "omt", SettingsFilePath(CurrentSettingsFile)});
    if (name.empty()) return;
    if (!host_.ExchangeSettingsFile(kSettingsLoad, name)) {
        ShowWarning("Load Settings", "Can't read the file, or wrong file format:\n" + name);
    }
    LoadControls();
    host_.RunSettingsToControls();
    host_.RepaintAllViews();
}

void TPreferencesForm::SchemeClick(int tag)
{
    if (tag == Settings.CurrentScheme) {
        Graphs->ShowScheme(tag);
        return;
    }
    // Pending colours belong to the scheme they were chosen in.
    if (ApplyBtn->isEnabled()) StoreControls();
    Settings.CurrentScheme = tag;
    LoadControls();
    host_.RepaintAllViews();
    SaveSettingsFile(CurrentSettingsFile);
}

void TPreferencesForm::FontDialogApply() { StoreControls(); }

void TPreferencesForm::CheckConnectionBtnClick()
{
    if (RunInProgress()) return;
    StoreControls();
    const BusyCursor busy;
    CheckConnection(ProgramAnalyzerLink(), SerialSettings{Settings.ComPort, Settings.BaudRate, Settings.TimeOut});
}

void TPreferencesForm::CorrectionBrowseBtnClick()
{
    const std::string name =
        RunFileDialog({false, "Open correction", "CSV files (*.csv);;All files (*)", "csv", ProgramFolder});
    if (name.empty()) return;
    Correction->CorrectionNameEdit->setText(Text(CorrectionNameForFile(name, ProgramFolder)));
    Changed();
}

void TPreferencesForm::CorrectionReloadBtnClick()
{
    if (RunInProgress()) return;
    StoreControls();
    LoadCorrection(true);
    host_.RunSettingsToControls();
}

void TPreferencesForm::ReferenceBrowsBtnClick()
{
    const std::string start = Settings.ReferenceFileName.empty() ? ProgramFolder : ReferenceFilePath(Settings.ReferenceFileName);
    const std::string name = RunFileDialog(
        {false, "Open reference", "CSV files (*.csv);;Varnet files (*.vmd);;All files (*)", "csv", start});
    if (name.empty()) return;
    Reference->ReferenceNameEdit->setText(Text(name));
    Changed();
}

void TPreferencesForm::ReferenceReloadBtnClick()
{
    StoreControls();
    LoadReference(true);
    LoadControls();
    host_.RepaintAllViews();
}

void TPreferencesForm::StartupEditBtnClick()
{
    TEditSettingsForm editor(this);
    editor.exec();
}
