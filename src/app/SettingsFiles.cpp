#include "app/SettingsFiles.h"

#include "app/CopyrightNotice.h"
#include "model/FileIO.h"
#include "model/FilePath.h"
#include "model/MessageBoxes.h"
#include "model/RunSettings.h"
#include "model/Settings.h"
#include "model/XMLNode.h"

#include <filesystem>

std::vector<SettingsListEntry> SettingsList;
bool StartupFromList = false;
std::vector<std::string> MRUList;
std::string CurrentSettingsFile;
std::string DefaultSettingsFile;
std::string SettingsListFile;
std::string SettingsFilesFolder;

namespace {

constexpr int kMaximised = 2;

void ExchangeMainWindow(CXMLNode* element, SettingsFileWindows& windows)
{
    WindowPlacement& main = windows.main;
    // A minimised window is stored as a normal one: the program must not
    // start minimised.
    if (element->IsWriting() && main.State == 1) main.State = 0;
    main.State = element->ExchangeInt("State", main.State);
    if (main.State < 0 || main.State > kMaximised || main.State == 1) main.State = 0;
    if (main.State == kMaximised) return;
    main.Top = element->ExchangeInt("Top", main.Top);
    main.Left = element->ExchangeInt("Left", main.Left);
    main.Width = element->ExchangeInt("Width", main.Width);
    main.Height = element->ExchangeInt("Height", main.Height);
    if (!element->IsWriting()) PullOntoDesktop(main, windows.desktop.Rect());
}

void SaveRecentFiles(CXMLNode* element)
{
    int index = 0;
    for (const std::string& path : MRUList) {
        // Paths are stored as they stand; a quote would end the attribute
        // and spoil the whole file.
        if (path.find('"') != std::string::npos) continue;
        element->SetAttribute("File" + std::to_string(index++), path);
    }
}

void LoadRecentFiles(CXMLNode* element)
{
    MRUList.clear();
    for (int i = 0; i < element->AttributeCount(); ++i) {
        const std::string path = element->GetAttribute("File" + std::to_string(i), "");
        if (!path.empty()) MRUList.push_back(path);
    }
}

} // namespace

std::string SettingsFilePath(const std::string& name) { return PathInFolder(SettingsFilesFolder, name); }

bool ExchangeWindowPosition(CXMLNode* element, WindowPlacement& window, const DesktopArea& desktop)
{
    if (!element) return false;
    window.Left = element->ExchangeInt("Left", window.Left);
    window.Top = element->ExchangeInt("Top", window.Top);
    if (!element->IsWriting()) PullOntoDesktop(window, desktop.Rect());
    return true;
}

namespace {

// Both directions over a settings list node that is being written or was
// read; reading appends to SettingsList.
void ExchangeListTree(CXMLNode& root)
{
    StartupFromList = root.ExchangeBool("Startup", StartupFromList);
    if (root.IsWriting()) {
        for (const SettingsListEntry& entry : SettingsList) {
            CXMLNode* file = root.AddChild("File");
            file->SetAttributeEncoded("Title", entry.Title);
            file->SetAttributeEncoded("Name", entry.Name);
        }
        return;
    }
    for (CXMLNode* file = root.FindChild("", 0); file; file = root.FindNext()) {
        SettingsList.push_back({file->GetAttributeDecoded("Title", ""), file->GetAttributeDecoded("Name", "")});
    }
}

// Both directions over a settings file node that is being written or was
// read.
void ExchangeFileTree(CXMLNode& root, SettingsFileWindows& windows)
{
    const bool saving = root.IsWriting();
    if (saving) {
        CXMLNode* version = root.AddChild("Version");
        version->SetAttribute("Copyright", kCopyrightNotice);
        version->SetAttribute("Date", "09/07/2023");
        version->SetAttributeInt("Ver", 1);
        version->SetAttributeInt("Rev", 10);
    }
    if (CXMLNode* main = root.Child("Main")) ExchangeMainWindow(main, windows);
    if (windows.exchangeControlWindow) windows.exchangeControlWindow(root.Child("ViewControl"));
    if (CXMLNode* run = root.Child("Run")) ExchangeRunSettings(run, CurrentRunSettings);
    if (CXMLNode* recent = root.Child("MRU")) {
        if (saving) SaveRecentFiles(recent);
        else LoadRecentFiles(recent);
    }
    ExchangeSettings(&root, Settings);
}

} // namespace

bool ExchangeSettingsList(int mode, const std::string& fileName)
{
    if (mode == kSettingsSave) return static_cast<bool>(SaveSettingsList(fileName));
    CXMLNode root("OB_settings_list");
    if (!root.LoadFromFile(SettingsFilePath(fileName))) return false;
    SettingsList.clear();
    ExchangeListTree(root);
    return true;
}

WriteResult SaveSettingsList(const std::string& fileName)
{
    CXMLNode root("OB_settings_list");
    ExchangeListTree(root);
    return root.SaveToFile(SettingsFilePath(fileName));
}

bool ExchangeSettingsFile(int mode, const std::string& fileName, SettingsFileWindows& windows)
{
    if (mode == kSettingsSave) return static_cast<bool>(SaveSettingsFile(fileName, windows));
    CXMLNode root("OB_settings");
    if (!root.LoadFromFile(SettingsFilePath(fileName))) return false;
    ExchangeFileTree(root, windows);
    return true;
}

WriteResult SaveSettingsFile(const std::string& fileName, SettingsFileWindows& windows)
{
    CXMLNode root("OB_settings");
    ExchangeFileTree(root, windows);
    return root.SaveToFile(SettingsFilePath(fileName));
}

namespace {

// What the user is told about a file that failed to load: the system's reason
// when it could not be read, else that it was read but not understood.
std::string UnreadableText(const std::string& path, const ReadResult& opened)
{
    if (!opened) return "Can't read the file:\n" + path + "\n" + opened.Reason();
    return "Can't read the file, or wrong file format:\n" + path;
}

bool LeftAsItIs(const std::string& unreadable)
{
    ShowWarning("Load Settings", unreadable + "\nIt is left as it is and not overwritten.");
    return false;
}

bool KeptAside(const std::string& path, const std::string& unreadable)
{
    std::string aside;
    if (!MoveToFreeName(path, path + ".bad", aside)) return LeftAsItIs(unreadable);
    ShowWarning("Load Settings", unreadable + "\nIt is kept as:\n" + aside);
    return true;
}

} // namespace

bool SetAsideUnreadableFile(const std::string& fileName)
{
    const std::string path = SettingsFilePath(fileName);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    const std::string unreadable = UnreadableText(path, TryOpeningForReading(path));
    if (error || !std::filesystem::is_regular_file(status)) return LeftAsItIs(unreadable);
    return KeptAside(path, unreadable);
}
