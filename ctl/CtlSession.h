// Runs one request of the command line against the profile and macro files of DataFolder, with
// the tool's own loading, repair, rules and saving, and tells the device service as Apply does.
// A change is checked whole before anything is written, so a refused command writes nothing.
#pragma once
#include "ctl/CtlRequest.h"

#include <string>

// Exit statuses of OrvaneCtl.
constexpr int kExitDone = 0;
constexpr int kExitNotWritten = 1;  // the profile files could not be written
constexpr int kExitBadInput = 2;
constexpr int kExitWindowOpen = 3;  // a change while the tool's window is open

class CtlSession {
public:
    // Runs `request`; what it prints goes to `output`, a refusal's one line to `error`.
    int Run(const CtlRequest& request);

    std::wstring output;
    std::wstring error;

private:
    int Refuse(const std::wstring& problem);
    int Change(const CtlRequest& request);
    int SetValue(const CtlRequest& request, ProfileRecord& record);
    int SetButton(const CtlRequest& request, ProfileRecord& record);
    int SetStage(const CtlRequest& request, ProfileRecord& record);
    int SetLighting(const CtlRequest& request, ProfileRecord& record);
    int Export(const CtlRequest& request);
    int Import(const CtlRequest& request, ProfileRecord& record);
    int SaveAndApply();
};

// The text of --help.
std::wstring CtlUsage();
