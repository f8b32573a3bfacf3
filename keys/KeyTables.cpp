#include "keys/KeyTables.h"

#include <windows.h>

#include <cstddef>
#include <cwchar>
#include <iterator>

namespace {
struct KeyIndexRow {
    int keyIndex;
    int vk;  // 0: the key has no virtual-key code
    const wchar_t* name;
};

struct NameWithoutKey {
    int keyIndex;
    const wchar_t* name;
};

struct VkHidPair {
    int vk;
    int hid;
};

struct ScanCodeHidPair {
    int scanCode;
    int hid;
};

struct VkName {
    int vk;
    const wchar_t* name;
};

// Key indexes in order, each with its VK and long name; 156 is listed for both Windows keys.
constexpr KeyIndexRow KeyIndexVkTable[] = {
    {16, 0xC0, L"~"},               {17, 0x31, L"1"},               {18, 0x51, L"Q"},
    {19, 0x09, L"TAB"},             {20, 0x41, L"A"},               {21, 0x1B, L"ESC"},
    {22, 0x5A, L"Z"},               {23, 0x00, L"(MuHenkan)"},      {24, 0x70, L"F1"},
    {25, 0x32, L"2"},               {26, 0x57, L"W"},               {27, 0x14, L"Caps Lock"},
    {28, 0x53, L"S"},               {29, 0x00, L""},                {30, 0x58, L"X"},
    {31, 0x00, L""},                {32, 0x71, L"F2"},              {33, 0x33, L"3"},
    {34, 0x45, L"E"},               {35, 0x72, L"F3"},              {36, 0x44, L"D"},
    {37, 0x73, L"F4"},              {38, 0x43, L"C"},               {39, 0x00, L"Hanguel(Korean)"},
    {40, 0x35, L"5"},               {41, 0x34, L"4"},               {42, 0x52, L"R"},
    {43, 0x54, L"T"},               {44, 0x46, L"F"},               {45, 0x47, L"G"},
    {46, 0x56, L"V"},               {47, 0x42, L"B"},               {48, 0x36, L"6"},
    {49, 0x37, L"7"},               {50, 0x55, L"U"},               {51, 0x59, L"Y"},
    {52, 0x4A, L"J"},               {53, 0x48, L"H"},               {54, 0x4D, L"M"},
    {55, 0x4E, L"N"},               {56, 0xBB, L"="},               {57, 0x38, L"8"},
    {58, 0x49, L"I"},               {59, 0xDD, L"]"},               {60, 0x4B, L"K"},
    {61, 0x75, L"F6"},              {62, 0xBC, L","},               {63, 0x00, L"`(Dos/v)"},
    {64, 0x77, L"F8"},              {65, 0x39, L"9"},               {66, 0x4F, L"O"},
    {67, 0x76, L"F7"},              {68, 0x4C, L"L"},               {69, 0x00, L"Henkan(Dos/v)"},
    {70, 0xBE, L"."},               {71, 0x00, L"Katakana(Dos/v)"}, {72, 0xBD, L"-"},
    {73, 0x30, L"0"},               {74, 0x50, L"P"},               {75, 0xDB, L"["},
    {76, 0xBA, L";"},               {77, 0xDE, L"'"},               {78, 0x00, L"$/}(102W)"},
    {79, 0xBF, L"/"},               {80, 0x78, L"F9"},              {81, 0x79, L"F10"},
    {82, 0x00, L"V-(Dos/v)"},       {83, 0x08, L"Backspace"},       {84, 0xDC, L"\\"},
    {85, 0x74, L"F5"},              {86, 0x0D, L"Enter"},           {87, 0x20, L"Space Bar"},
    {88, 0x2D, L"Insert"},          {89, 0x7B, L"F12"},             {90, 0x68, L"Num 8"},
    {91, 0x65, L"Num 5"},           {92, 0x62, L"Num 2"},           {93, 0x60, L"Num 0"},
    {94, 0x6F, L"Num /"},           {95, 0x27, L"Right"},           {96, 0x2E, L"Delete"},
    {97, 0x7A, L"F11"},             {98, 0x67, L"Num 7"},           {99, 0x64, L"Num 4"},
    {100, 0x61, L"Num 1"},          {101, 0x00, L"NA"},             {102, 0x90, L"Num Lock"},
    {103, 0x28, L"Down"},           {104, 0x21, L"Pageup"},         {105, 0x22, L"Pagedown"},
    {106, 0x69, L"Num 9"},          {107, 0x66, L"Num 6"},          {108, 0x63, L"Num 3"},
    {109, 0x6E, L"Num del"},        {110, 0x6A, L"Num *"},          {111, 0x6D, L"Num -"},
    {112, 0x24, L"Home"},           {113, 0x23, L"End"},            {114, 0x6B, L"Num +"},
    {115, 0x00, L"NA"},             {116, 0x6C, L"Num Enter"},      {117, 0x26, L"Up"},
    {118, 0x13, L"Pause/Break"},    {119, 0x25, L"Left"},           {120, 0x00, L"NA"},
    {121, 0x91, L"Scroll Lock"},    {122, 0x2C, L"PrtScr"},         {123, 0x00, L"NA"},
    {124, 0x00, L"NA"},             {125, 0xA4, L"Alt"},            {126, 0x00, L""},
    {127, 0xA5, L"Right Alt"},      {128, 0x00, L""},               {129, 0x00, L""},
    {130, 0x00, L""},               {131, 0xA0, L"Shift"},          {132, 0x00, L""},
    {133, 0x00, L""},               {134, 0xA1, L"Right Shift"},    {135, 0x00, L"Profile"},
    {136, 0xA2, L"Ctrl"},           {137, 0x00, L""},               {138, 0x00, L""},
    {139, 0x00, L""},               {140, 0x00, L""},               {141, 0x00, L""},
    {142, 0xA3, L"Right Ctrl"},     {143, 0xAD, L"Mute"},           {144, 0xB5, L""},
    {145, 0xB3, L""},               {146, 0xB2, L""},               {147, 0xB1, L""},
    {148, 0xB1, L""},               {149, 0x00, L""},               {150, 0xAF, L""},
    {151, 0xAE, L""},               {152, 0x00, L""},               {153, 0xAC, L""},
    {154, 0x5D, L"Application"},    {155, 0x00, L""},               {156, 0x5B, L"Win"},
    {156, 0x5C, L"Win"},            {157, 0x00, L""},               {158, 0x00, L""},
    {159, 0xFB, L""},
};

// Long names of key indexes that stand for no key.
constexpr NameWithoutKey kNamesWithoutKey[] = {
    {240, L"Left Button"}, {241, L"Right Button"}, {242, L"Middle Button"},
    {244, L"Left Windows"}, {245, L"Right Windows"},
};

// VK and HID usage of the same key.
constexpr VkHidPair VkHidTable[] = {
    {0xC0, 0x35}, {0x31, 0x1E}, {0x32, 0x1F}, {0x33, 0x20}, {0x34, 0x21}, {0x35, 0x22}, {0x36, 0x23}, {0x37, 0x24},
    {0x38, 0x25}, {0x39, 0x26}, {0x30, 0x27}, {0xBD, 0x2D}, {0xBB, 0x2E}, {0x08, 0x2A}, {0x09, 0x2B}, {0x51, 0x14},
    {0x57, 0x1A}, {0x45, 0x08}, {0x52, 0x15}, {0x54, 0x17}, {0x59, 0x1C}, {0x55, 0x18}, {0x49, 0x0C}, {0x4F, 0x12},
    {0x50, 0x13}, {0xDB, 0x2F}, {0xDD, 0x30}, {0xDC, 0x31}, {0x14, 0x39}, {0x41, 0x04}, {0x53, 0x16}, {0x44, 0x07},
    {0x46, 0x09}, {0x47, 0x0A}, {0x48, 0x0B}, {0x4A, 0x0D}, {0x4B, 0x0E}, {0x4C, 0x0F}, {0xBA, 0x33}, {0xDE, 0x34},
    {0x0D, 0x28}, {0xA0, 0xE1}, {0x5A, 0x1D}, {0x2D, 0x49}, {0x2E, 0x4C}, {0x25, 0x50}, {0x24, 0x4A}, {0x23, 0x4D},
    {0x26, 0x52}, {0x28, 0x51}, {0x21, 0x4B}, {0x22, 0x4E}, {0x27, 0x4F}, {0x5B, 0xE3}, {0x5C, 0xE7}, {0x5D, 0x65},
    {0x58, 0x1B}, {0x43, 0x06}, {0x56, 0x19}, {0x42, 0x05}, {0x4E, 0x11}, {0x4D, 0x10}, {0xBC, 0x36}, {0xBE, 0x37},
    {0xBF, 0x38}, {0xA1, 0xE5}, {0xA2, 0xE0}, {0xA4, 0xE2}, {0x20, 0x2C}, {0xA5, 0xE6}, {0xA3, 0xE4}, {0x90, 0x53},
    {0x67, 0x5F}, {0x64, 0x5C}, {0x61, 0x59}, {0x68, 0x60}, {0x65, 0x5D}, {0x62, 0x5A}, {0x60, 0x62}, {0x6A, 0x55},
    {0x69, 0x61}, {0x66, 0x5E}, {0x63, 0x5B}, {0x6E, 0x63}, {0x6D, 0x56}, {0x6B, 0x57}, {0x6C, 0x58}, {0x1B, 0x29},
    {0x70, 0x3A}, {0x71, 0x3B}, {0x72, 0x3C}, {0x73, 0x3D}, {0x74, 0x3E}, {0x75, 0x3F}, {0x76, 0x40}, {0x77, 0x41},
    {0x78, 0x42}, {0x79, 0x43}, {0x7A, 0x44}, {0x7B, 0x45}, {0x91, 0x47}, {0x6F, 0x54}, {0x2C, 0x46}, {0x13, 0x48},
};

// The typing block by scan code (set 1, the key's place on a US keyboard) and HID usage.
constexpr ScanCodeHidPair ScanCodeHidTable[] = {
    {0x29, 0x35}, {0x02, 0x1E}, {0x03, 0x1F}, {0x04, 0x20}, {0x05, 0x21}, {0x06, 0x22}, {0x07, 0x23}, {0x08, 0x24},
    {0x09, 0x25}, {0x0A, 0x26}, {0x0B, 0x27}, {0x0C, 0x2D}, {0x0D, 0x2E},
    {0x10, 0x14}, {0x11, 0x1A}, {0x12, 0x08}, {0x13, 0x15}, {0x14, 0x17}, {0x15, 0x1C}, {0x16, 0x18}, {0x17, 0x0C},
    {0x18, 0x12}, {0x19, 0x13}, {0x1A, 0x2F}, {0x1B, 0x30}, {0x2B, 0x31},
    {0x1E, 0x04}, {0x1F, 0x16}, {0x20, 0x07}, {0x21, 0x09}, {0x22, 0x0A}, {0x23, 0x0B}, {0x24, 0x0D}, {0x25, 0x0E},
    {0x26, 0x0F}, {0x27, 0x33}, {0x28, 0x34},
    {0x2C, 0x1D}, {0x2D, 0x1B}, {0x2E, 0x06}, {0x2F, 0x19}, {0x30, 0x05}, {0x31, 0x11}, {0x32, 0x10}, {0x33, 0x36},
    {0x34, 0x37}, {0x35, 0x38},
};

// Compact names for button captions; other keys are named by the character they type.
constexpr VkName kShortNames[] = {
    {0x08, L"Backspace"}, {0x09, L"Tab"}, {0x0C, L"Clear"}, {0x0D, L"Enter"}, {0x10, L"Shift"}, {0x11, L"Ctrl"},
    {0x12, L"Alt"}, {0x13, L"Pause"}, {0x14, L"CapsLock"}, {0x1B, L"Esc"}, {0x20, L"Space"}, {0x21, L"PageUp"},
    {0x22, L"PageDown"}, {0x23, L"End"}, {0x24, L"Home"}, {0x25, L"Left"}, {0x26, L"Up"}, {0x27, L"Right"},
    {0x28, L"Down"}, {0x29, L"Select"}, {0x2A, L"Print"}, {0x2B, L"Exe"}, {0x2C, L"Snapshot"}, {0x2D, L"Ins"},
    {0x2E, L"Del"}, {0x2F, L"Help"}, {0x60, L"Num0"}, {0x61, L"Num1"}, {0x62, L"Num2"}, {0x63, L"Num3"},
    {0x64, L"Num4"}, {0x65, L"Num5"}, {0x66, L"Num6"}, {0x67, L"Num7"}, {0x68, L"Num8"}, {0x69, L"Num9"},
    {0x6A, L"Num*"}, {0x6B, L"Num+"}, {0x6C, L"Enter"}, {0x6D, L"Num-"}, {0x6E, L"Num."}, {0x6F, L"Num/"},
    {0x70, L"F1"}, {0x71, L"F2"}, {0x72, L"F3"}, {0x73, L"F4"}, {0x74, L"F5"}, {0x75, L"F6"},
    {0x76, L"F7"}, {0x77, L"F8"}, {0x78, L"F9"}, {0x79, L"F10"}, {0x7A, L"F11"}, {0x7B, L"F12"},
    {0x90, L"Numlock"}, {0x91, L"Scrl"}, {0xA0, L"LShift"}, {0xA1, L"RShift"}, {0xA2, L"LCtrl"}, {0xA3, L"RCtrl"},
    {0xA4, L"LAlt"}, {0xA5, L"RAlt"},
};

// Key indexes 16 to 159 in order, only 156 twice.
constexpr bool KeyIndexesRunInOrder() {
    const size_t rows = std::size(KeyIndexVkTable);
    if (KeyIndexVkTable[0].keyIndex != 16 || KeyIndexVkTable[rows - 1].keyIndex != 159) return false;
    for (size_t i = 1; i < rows; ++i) {
        const int index = KeyIndexVkTable[i].keyIndex;
        const int step = index - KeyIndexVkTable[i - 1].keyIndex;
        if (step != 1 && !(step == 0 && index == 156)) return false;
    }
    return true;
}

template <typename Row, size_t N>
constexpr bool NoValueTwice(const Row (&table)[N], int Row::*field) {
    for (size_t i = 0; i < N; ++i)
        for (size_t j = i + 1; j < N; ++j)
            if (table[i].*field == table[j].*field) return false;
    return true;
}

constexpr bool UsagesFitInAByte() {
    for (const VkHidPair& pair : VkHidTable)
        if (pair.hid <= 0 || pair.hid > 0xFF) return false;
    return true;
}

static_assert(std::size(KeyIndexVkTable) == 145, "KeyIndexVkTable has 145 rows");
static_assert(KeyIndexesRunInOrder(), "key indexes run 16 to 159 with 156 twice");
static_assert(std::size(VkHidTable) == 104, "VkHidTable has 104 pairs");
static_assert(NoValueTwice(VkHidTable, &VkHidPair::vk), "a VK occurs twice in VkHidTable");
static_assert(NoValueTwice(VkHidTable, &VkHidPair::hid), "a HID usage occurs twice in VkHidTable");
static_assert(UsagesFitInAByte(), "HID usages are stored in one byte");
static_assert(std::size(ScanCodeHidTable) == 47, "the typing block has 47 keys");
static_assert(NoValueTwice(ScanCodeHidTable, &ScanCodeHidPair::scanCode), "a scan code occurs twice");
static_assert(NoValueTwice(ScanCodeHidTable, &ScanCodeHidPair::hid), "a usage occurs twice in the typing block");
static_assert(NoValueTwice(kShortNames, &VkName::vk), "a VK has two short names");

template <typename Row, size_t N, typename Match>
const Row* LastMatch(const Row (&table)[N], Match match) {
    const Row* found = nullptr;
    for (const Row& row : table)
        if (match(row)) found = &row;
    return found;
}

// The character a key types with no modifier held, as the keyboard layout gives it, upper-cased;
// "" for none. MapVirtualKeyW only reads the layout, where ToAscii would also consume a pending
// dead key of the thread.
std::wstring TypedCharacter(int vk) {
    if (vk <= 0 || vk > 0xFE) return L"";
    // The low word is the character; the top bit marks a dead key, which is named all the same.
    wchar_t typed = static_cast<wchar_t>(::MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_CHAR) & 0xFFFF);
    if (typed <= L' ') return L"";
    ::CharUpperBuffW(&typed, 1);
    return std::wstring(1, typed);
}

bool IsTypingBlockUsage(int hid) {
    int scanCode = 0;
    return HidToScanCode(hid, scanCode);
}
}  // namespace

int VkToKeyIndex(int vk) {
    const KeyIndexRow* row = LastMatch(KeyIndexVkTable, [vk](const KeyIndexRow& r) { return r.vk == vk; });
    return row ? row->keyIndex : 0;
}

const wchar_t* KeyIndexName(int keyIndex) {
    const int index = keyIndex & 0xFF;
    const KeyIndexRow* row = LastMatch(KeyIndexVkTable, [index](const KeyIndexRow& r) { return r.keyIndex == index; });
    if (row) return row->name;
    const NameWithoutKey* named =
        LastMatch(kNamesWithoutKey, [index](const NameWithoutKey& n) { return n.keyIndex == index; });
    return named ? named->name : L"";
}

bool VkToHid(int vk, std::uint8_t& hid) {
    const VkHidPair* pair = LastMatch(VkHidTable, [vk](const VkHidPair& p) { return p.vk == vk; });
    if (!pair) return false;
    hid = static_cast<std::uint8_t>(pair->hid);
    return true;
}

bool HidToVk(int hid, int& vk) {
    const VkHidPair* pair = LastMatch(VkHidTable, [hid](const VkHidPair& p) { return p.hid == hid; });
    if (!pair) return false;
    vk = pair->vk;
    return true;
}

std::wstring VkShortName(int vk) {
    const VkName* named = LastMatch(kShortNames, [vk](const VkName& n) { return n.vk == vk; });
    return named ? std::wstring(named->name) : TypedCharacter(vk);
}

bool ScanCodeToHid(int scanCode, std::uint8_t& hid) {
    const ScanCodeHidPair* pair =
        LastMatch(ScanCodeHidTable, [scanCode](const ScanCodeHidPair& p) { return p.scanCode == scanCode; });
    if (!pair) return false;
    hid = static_cast<std::uint8_t>(pair->hid);
    return true;
}

bool HidToScanCode(int hid, int& scanCode) {
    const ScanCodeHidPair* pair = LastMatch(ScanCodeHidTable, [hid](const ScanCodeHidPair& p) { return p.hid == hid; });
    if (!pair) return false;
    scanCode = pair->scanCode;
    return true;
}

// Only the typing block goes by scan code: the extended prefix that tells Delete from the keypad's
// decimal key is not reported alike by every system, and outside the block a VK names one key on
// every layout.
bool KeyUsage(int vk, std::uint8_t& hid) {
    std::uint8_t byVk = 0;
    const bool listed = VkToHid(vk, byVk);
    if ((!listed || IsTypingBlockUsage(byVk)) && vk > 0 && vk <= 0xFE) {
        const UINT scanCode = ::MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC_EX);
        if (ScanCodeToHid(static_cast<int>(scanCode), hid)) return true;
    }
    if (listed) hid = byVk;
    return listed;
}

bool UsageKey(int hid, int& vk) {
    int scanCode = 0;
    if (HidToScanCode(hid, scanCode)) {
        const UINT mapped = ::MapVirtualKeyW(static_cast<UINT>(scanCode), MAPVK_VSC_TO_VK_EX);
        if (mapped != 0) {
            vk = static_cast<int>(mapped);
            return true;
        }
    }
    return HidToVk(hid, vk);
}

std::wstring KeyName(int vk) {
    const wchar_t* name = KeyIndexName(VkToKeyIndex(vk));
    if (name[0] == L'\0' || name[1] != L'\0') return name;
    const std::wstring typed = TypedCharacter(vk);
    return typed.empty() ? std::wstring(name) : typed;
}

std::wstring HidUsageName(int hid) {
    int vk = 0;
    UsageKey(hid, vk);
    return KeyName(vk);
}

bool HidFromKeyName(const std::wstring& name, std::uint8_t& hid) {
    if (name.empty()) return false;
    for (const VkHidPair& pair : VkHidTable) {
        const VkName* shortName = LastMatch(kShortNames, [&pair](const VkName& n) { return n.vk == pair.vk; });
        if (_wcsicmp(name.c_str(), HidUsageName(pair.hid).c_str()) == 0 ||
            (shortName && _wcsicmp(name.c_str(), shortName->name) == 0)) {
            hid = static_cast<std::uint8_t>(pair.hid);
            return true;
        }
    }
    return false;
}
