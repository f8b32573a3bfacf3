// The names the command line takes and shows for values, read from the same localisation files
// as the window's captions, so that a value is named as the tool names it. Letter case does not
// count when a name is looked up.
#pragma once
#include <string>
#include <utility>
#include <vector>

class NamedValues {
public:
    explicit NamedValues(std::vector<std::pair<std::wstring, int>> entries) : entries(std::move(entries)) {}

    // Lighting modes 0 to 5, as the lighting page's mode buttons name them.
    static NamedValues LightingModes();
    // LedState1 1 to 3.
    static NamedValues Brightness();
    // BreathState1 and FlashState1 codes 8, 5 and 1.
    static NamedValues BreathingSpeeds();
    static NamedValues FlashingSpeeds();
    // LedDirect1 0 and 1.
    static NamedValues Directions();
    // The rapid-fire dialog's three mouse buttons, as fire key bytes 0xF0 to 0xF2.
    static NamedValues FireButtons();
    // Every function the function menu stores at once, by its item's name; the value is the
    // menu's pick (top-level code in the high word, sub-item id in the low word). The items that
    // open a dialog or the macros are not among them.
    static NamedValues MenuFunctions();

    // False and `value` unchanged when no entry has this name.
    bool Find(const std::wstring& name, int& value) const;
    // The first entry's name with this value; "" when none.
    std::wstring NameOf(int value) const;
    // "A, B or C", for messages.
    std::wstring Accepted() const;

private:
    std::vector<std::pair<std::wstring, int>> entries;
};
