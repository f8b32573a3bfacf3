// The device simulator (hid.exe beside the benchmark) running as the tool's service while the
// object lives, so that applies are answered and the tool finds its service at start.
#pragma once
#include <string>

class SimulatorSession {
public:
    // Starts the simulator from `directory` (ending with a backslash) and waits for its window.
    explicit SimulatorSession(std::wstring directory);
    // Asks the simulator to quit.
    ~SimulatorSession();
    SimulatorSession(const SimulatorSession&) = delete;
    SimulatorSession& operator=(const SimulatorSession&) = delete;

    bool Running() const;

private:
    std::wstring directory;
};
