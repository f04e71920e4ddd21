#pragma once

#include <string>

// What the preferences dialog needs of the main window.
class CPreferencesHost {
public:
    virtual ~CPreferencesHost() = default;

    virtual void RepaintAllViews() = 0;
    // The Run tab shows the run settings again, after a load changed them.
    virtual void RunSettingsToControls() = 0;
    // Mode 0 loads, 1 saves; true when the file was read or written.
    virtual bool ExchangeSettingsList(int mode, const std::string& fileName) = 0;
    virtual bool ExchangeSettingsFile(int mode, const std::string& fileName) = 0;
    // False for a settings file that could not be read at start-up and is
    // still in place: it may be the user's only copy and is not overwritten.
    virtual bool MayOverwrite(const std::string& fileName) const = 0;
};
