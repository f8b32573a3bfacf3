// A control command of the device simulator, as given on the command line of a second
// invocation ("hid.exe dpi") and handed to the running simulator.
#pragma once
#include <optional>
#include <string>
#include <vector>

struct SimulatorCommand {
    enum class Kind {
        Present,        // present            the mouse is plugged in
        Absent,         // absent             the mouse is unplugged
        Setting,        // setting ID VALUE   tell the tool a device setting
        Set,            // set P KEY VALUE    rewrite a value of profile P's file, ask the tool to reload
        Dpi,            // dpi                press the DPI button
        Profile,        // profile P          make profile P the active one
        Quit,           // quit               end the simulator
        IgnoreApplies,  // ignore-applies     take applies from now on without confirming them
        Hang,           // hang SECONDS       stop answering messages for 1 to 600 seconds
        DieOnApply,     // die-on-apply       end at once, without an answer, when the next apply arrives
    };

    Kind kind = Kind::Quit;
    int profile = 0;   // Set, Profile: 0 to 4 (given as 1 to 5)
    int id = 0;        // Setting
    int value = 0;     // Setting, Set, Hang (seconds)
    std::wstring key;  // Set: letters, digits and underscores only

    // The command in words, or nothing when the words are not a valid command.
    static std::optional<SimulatorCommand> Parse(const std::vector<std::wstring>& words);
    // The words separated by single spaces, as they travel to the running simulator.
    static std::vector<std::wstring> SplitWords(const std::wstring& text);
};
