#pragma once

#include "RecordingMessageSink.h"
#include "SettingsSnapshot.h"
#include "TempDir.h"
#include "app/MainForm.h"
#include "app/SettingsFiles.h"
#include "app/control/ViewControl.h"
#include "model/Correction.h"
#include "model/FileIO.h"
#include "model/RunSettings.h"
#include "model/Settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

// The whole program's window set on the offscreen platform, with its
// settings files, correction file and program folder in a fresh folder, and
// every message box recorded instead of shown.
class MainFormFixture : public ::testing::Test {
protected:
    MainFormFixture()
    {
        ProgramFolder = Folder();
        Settings.CorrectionAlarmOff = true;
        Settings.ReferenceAlarmOff = true;
        CurrentRunSettings = RunSettings{};
        StartupFromList = false;
        ShortStandard.Clear();
        OpenStandard.Clear();
        LoadStandard.Clear();
        main = std::make_unique<TMainForm>(Folder());
    }
    ~MainFormFixture() override
    {
        main.reset();
        DeleteClosedWindows();
        CurrentRunSettings = RunSettings{};
        StartupFromList = false;
        SettingsList.clear();
        MRUList.clear();
        ShortStandard.Clear();
        OpenStandard.Clear();
        LoadStandard.Clear();
    }

    std::string Folder() const { return dir.path().string() + "/"; }
    std::string File(const std::string& name) const { return dir.File(name); }
    TViewControlForm& control() const { return main->ViewControlForm(); }

    static void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::string Read(const std::string& file) const
    {
        std::string text;
        EXPECT_TRUE(ReadFileBytes(file, text)) << file;
        return text;
    }

    // Folders under every name an unreadable settings file could be set
    // aside as: it must stay where it is, whoever runs the test.
    void TakeEveryNameAside(const std::string& file) const
    {
        std::filesystem::create_directory(file + ".bad");
        for (int number = 2; number <= kMostNumberedNames; ++number) {
            std::filesystem::create_directory(file + ".bad." + std::to_string(number));
        }
    }

    // Each box as caption and text separated by "|".
    std::vector<std::string> Boxes() const
    {
        std::vector<std::string> shown;
        for (const auto& box : messages.boxes()) shown.push_back(box.caption + "|" + box.text);
        return shown;
    }

    TempDir dir;
    SettingsSnapshot snapshot;
    ScopedMessageRecorder messages;
    std::unique_ptr<TMainForm> main;
};
