#include "ui/main/DpiPage.h"

#include "ui/main/ControlGroups.h"
#include "ui/main/SettingsValues.h"

#include <cstdio>
#include <string>

using namespace SettingsValues;

namespace {
std::wstring DpiText(int code) { return std::to_wstring(DpiNumber(code)); }
}  // namespace

DpiStage& DpiPage::Stage(int stage) { return ShownProfile(profiles, state).DPIStageValue[stage]; }

void DpiPage::Refresh() {
    RefreshDpiStages();
    ShowCurrentStage(StageNumber(ShownProfile(profiles, state).DPI));
}

void DpiPage::ShowCurrentStage(int stageNumber) {
    wchar_t text[40];
    std::swprintf(text, 40, L"Current Stage : %d", stageNumber);
    layout.currentStageLabel->SetWindowText(text);
}

void DpiPage::RefreshDpiStages() {
    for (int stage = 0; stage < kDpiStageCount; ++stage) RefreshDpiStage(stage);
}

void DpiPage::RefreshDpiStage(int stage) {
    if (!IsStage(stage)) return;
    const DpiStage& values = Stage(stage);
    layout.linkToggles[stage].SetCheck(values.Linked == 1);
    layout.stageEnableBoxes[stage].SetCheck(values.Enabled != 0);
    layout.dpiXSliders[stage].EnableWindow(values.Enabled != 0);
    layout.dpiXValueLabels[stage]->SetWindowText(DpiText(values.X).c_str());
    layout.dpiYValueLabels[stage]->SetWindowText(DpiText(values.Y).c_str());
    if (state.currentPage != 2) return;
    bool linked = values.Linked != 0;
    ShowControl(layout.dpiXSliders[stage], !linked);
    ShowControl(layout.dpiYSliders[stage], !linked);
    ShowControl(layout.dpiXYSliders[stage], linked);
    if (linked) {
        layout.dpiXYSliders[stage].SetPos(AxisPositionFromCode(values.X));
    } else {
        layout.dpiXSliders[stage].SetPos(AxisPositionFromCode(values.X));
        layout.dpiYSliders[stage].SetPos(AxisPositionFromCode(values.Y));
    }
}

void DpiPage::OnXSlider(int stage, int position) {
    if (!IsStage(stage)) return;
    DpiStage& values = Stage(stage);
    values.X = CodeFromAxisPosition(position);
    layout.dpiXValueLabels[stage]->SetWindowText(DpiText(values.X).c_str());
}

void DpiPage::OnYSlider(int stage, int position) {
    if (!IsStage(stage)) return;
    DpiStage& values = Stage(stage);
    values.Y = CodeFromAxisPosition(position);
    layout.dpiYValueLabels[stage]->SetWindowText(DpiText(values.Y).c_str());
}

void DpiPage::OnLinkedSlider(int stage, int position) {
    if (!IsStage(stage)) return;
    DpiStage& values = Stage(stage);
    values.X = values.Y = CodeFromAxisPosition(position);
    const std::wstring shown = DpiText(values.X);
    layout.dpiXValueLabels[stage]->SetWindowText(shown.c_str());
    layout.dpiYValueLabels[stage]->SetWindowText(shown.c_str());
}

void DpiPage::OnStageEnableBox(int stage) {
    if (!IsStage(stage)) return;
    CBitmapBtn& box = layout.stageEnableBoxes[stage];
    auto& stages = ShownProfile(profiles, state).DPIStageValue;
    int disabled = 0;
    if (!box.checked) {
        for (const DpiStage& values : stages) disabled += values.Enabled == 0;
    }
    if (MayDisableStage(disabled)) {
        stages[stage].Enabled = box.checked ? 1 : 0;
    } else {
        box.SetCheck(TRUE);
        stages[stage].Enabled = 1;
    }
    RefreshDpiStage(stage);
}

void DpiPage::OnLinkToggle(int stage) {
    if (!IsStage(stage)) return;
    DpiStage& values = Stage(stage);
    values.Linked = layout.linkToggles[stage].checked ? 1 : 0;
    values.Y = values.X;
    RefreshDpiStage(stage);
}
