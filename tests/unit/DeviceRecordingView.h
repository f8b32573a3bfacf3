// Shared by the device link tests: a main window stand-in that records what the link shows.
#pragma once
#include "device/DeviceLinkView.h"

#include <string>
#include <vector>

class DeviceRecordingView : public DeviceLinkView {
public:
    int currentProfile = 0;
    std::vector<std::string> calls;  // "EnableApplyButton 1", "StartTimer 532 500", ...

    int CurrentProfile() const override { return currentProfile; }
    void EnableApplyButton(bool enable) override { Record("EnableApplyButton", enable); }
    void EnableBottomButtons(bool enable) override { Record("EnableBottomButtons", enable); }
    void ShowDevicePresentLabel(bool show) override { Record("ShowDevicePresentLabel", show); }
    void ShowDeviceAbsentLabel(bool show) override { Record("ShowDeviceAbsentLabel", show); }
    void StartTimer(UINT_PTR id, UINT milliseconds) override {
        calls.push_back("StartTimer " + std::to_string(id) + " " + std::to_string(milliseconds));
    }
    void StopTimer(UINT_PTR id) override { Record("StopTimer", static_cast<long long>(id)); }
    void ReloadProfiles() override { calls.push_back("ReloadProfiles"); }
    void SelectProfile(int profile) override { Record("SelectProfile", profile); }
    void ShowCurrentStage(int stageIndex) override { Record("ShowCurrentStage", stageIndex); }
    void ShowPollingRate(int code) override { Record("ShowPollingRate", code); }
    void ApplyLedMode(int mode) override { Record("ApplyLedMode", mode); }
    void SetSensitivitySlider(int position) override { Record("SetSensitivitySlider", position); }
    void ShowSaveFailedWarning() override { calls.push_back("ShowSaveFailedWarning"); }
    void ShowServiceRightsWarning() override { calls.push_back("ShowServiceRightsWarning"); }

private:
    void Record(const char* name, long long value) { calls.push_back(std::string(name) + " " + std::to_string(value)); }
};
