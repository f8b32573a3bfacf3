// The tool's main window inside the benchmark's process, created as the tool creates it, and the
// clicks and measurements the benchmark makes on it.
#pragma once
#include "ui/main/CMoxCfgDlg.h"

class BenchWindow {
public:
    // Creates the window hidden; Show paints it for the first time.
    BenchWindow();
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    bool Created() const { return window.m_hWnd != nullptr; }
    // Shows the window and returns the milliseconds until it and all its children are painted.
    double Show();
    // Milliseconds of one complete repaint of the main window's own surface (into its memory
    // bitmap and onto the screen), the children left alone.
    double Repaint();
    // Milliseconds of one apply (the profile files written, the service told); then waits, not
    // timed, until the service has confirmed it and the bottom row is enabled again.
    double Apply();
    // The two parts of an apply, each timed on its own: the five profile files written as the
    // apply writes them, and the apply message from its sending until the service's answer (then
    // waits, not timed, for the service's confirmation).
    double WriteProfileFiles();
    double SendApplyMessage();

    // A click on a control of the window, as the control reports it; waiting messages run after.
    void Click(const CWnd& control);
    // Paints what waits for a paint and runs the waiting messages.
    void Settle();

    CMoxCfgDlg& Window() { return window; }

private:
    // Runs the messages until the service's confirmation has unlocked the bottom row.
    void WaitForUnlock();
    // Runs the messages until the service's confirmation has come.
    void WaitForConfirmation();

    CMoxCfgDlg window;
};
