#pragma once

#include "model/Settings.h"
#include "model/XMLNode.h"

// Keeps the program-wide settings as they were and puts them back when the
// test is over, so tests that change them do not leak into each other.
class SettingsSnapshot {
public:
    SettingsSnapshot()
    {
        ExchangeSettings(&saved_);
        std::string text;
        saved_.WriteTo(text, 0);
        text_ = text;
        folder_ = ProgramFolder;
    }
    ~SettingsSnapshot()
    {
        CXMLNode root("OB_settings");
        root.LoadFromText(text_);
        ExchangeSettings(&root);
        ProgramFolder = folder_;
    }
    SettingsSnapshot(const SettingsSnapshot&) = delete;
    SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

private:
    CXMLNode saved_{"OB_settings"};
    std::string text_;
    std::string folder_;
};
