// One section of "skins.ini" read at once: a window that builds many controls reads their texts
// with one file access instead of one per text. Each lookup gives what LoadUiString gives for the
// file as it was when the section was read; a text edited later shows in the next window built.
#pragma once
#include <string>
#include <utility>
#include <vector>

class UiTextSection {
public:
    explicit UiTextSection(const wchar_t* section);

    // The value of key `id` (decimal, "7" not "07"); "" when the key is missing.
    std::wstring Get(int id) const;

private:
    std::vector<std::pair<std::wstring, std::wstring>> entries;  // key and value, in the file's order
};
