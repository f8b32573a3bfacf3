// The main window in this process, opened over a documents folder of the test's own with a
// stand-in for the device service: what the main window's tests share.
#pragma once
#include "device/DeviceService.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "profile/IniFile.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"
#include "skin/GdiplusSession.h"
#include "support/TestFolder.h"
#include "support/WindowTestSupport.h"
#include "ui/main/CMoxCfgDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

inline void Click(CWnd& button) {
    button.SendMessage(BM_CLICK);
    PumpMessages();
}

// Stands in for the device service: a window with its title that records what it is sent.
class FakeService : public CWnd {
public:
    FakeService() { CreateEx(0, L"STATIC", SERVICE_WINDOW_TITLE, WS_POPUP, RECT{0, 0, 1, 1}, nullptr, 0); }
    std::vector<UINT> received;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SERVICE_APPLY) received.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class MainWindowTest : public ::testing::Test {
public:  // the cases of table tests check through these
    void SetUp() override {
        documents = std::make_unique<DocumentsRedirect>(home.Path() + L"Documents\\");
        dataFolder = home.Path() + L"Documents\\Orvane\\";
        ::CreateDirectoryW((home.Path() + L"Documents").c_str(), nullptr);
        ::CreateDirectoryW(dataFolder.c_str(), nullptr);
        ::CreateDirectoryW((dataFolder + L"MacroDB").c_str(), nullptr);
        IniFile(dataFolder + L"MacroDB\\MacroSet.MSDB").WriteInt(L"Setting", L"Device", 1);
    }

    void TearDown() override {
        window.reset();
        PumpMessages();
        documents.reset();
    }

    void Open() {
        window = std::make_unique<CMoxCfgDlg>();
        ASSERT_TRUE(window->Create());
        window->ShowWindow(SW_SHOW);
        window->UpdateWindow();
        PumpMessages();
        ASSERT_EQ(dataFolder, DataFolder);
    }

    ProfileRecord& Shown() { return WorkingProfiles.Profiles[window->PageState().currentProfile]; }
    MainLayout& Layout() { return window->Layout(); }

    // Seeds the five profile files with the factory values, then lets `change` edit them.
    template <class Change>
    void WriteProfiles(Change change) {
        ProfileSet set{};
        set.GroupID = 0;
        for (int k = 0; k < kProfileCount; ++k) ResetProfile(set, k);
        for (int k = 0; k < kProfileCount; ++k) {
            for (int b = 0; b < kButtonCount; ++b) set.Profiles[k].Buttons[b].ButtonID = static_cast<std::uint8_t>(b + 1);
        }
        change(set);
        WorkingProfiles = set;
        ::wcscpy_s(DataFolder, kFolderChars, dataFolder.c_str());
        SaveAllProfiles();
    }

    std::wstring Text(CWnd& control) { return control.GetWindowText(); }

    GdiplusSession gdiplus;
    TestFolder home;
    std::unique_ptr<DocumentsRedirect> documents;
    std::wstring dataFolder;
    FakeService service;
    std::unique_ptr<CMoxCfgDlg> window;
};
