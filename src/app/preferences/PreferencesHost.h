#pragma once

#include "model/WriteResult.h"

#include <string>

// What the preferences dialog needs of the main window.
class CPreferencesHost {
public:
    virtual ~CPreferencesHost() = default;

    virtual void RepaintAllViews() = 0;
    // The Run tab shows the run settings again, after a load changed them.
    virtual void RunSettingsToControls() = 0;
    // Mode 0 loads, 1 saves; true when the file was read or written.
    virtual bool ExchangeSettingsFile(int mode, const std::string& fileName) = 0;
    // The saves, with the reason when the file was not written. A settings
    // file that could not be read at start-up and is still in place may be
    // the user's only copy: it is refused.
    virtual WriteResult SaveSettingsList(const std::string& fileName) = 0;
    virtual WriteResult SaveSettingsFile(const std::string& fileName) = 0;
};
