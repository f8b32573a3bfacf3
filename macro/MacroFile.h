// The file of one macro, MacroDB\<name>.MSMACRO: loop and delay options and the event block.
// The device service reads it to program the mouse.
#pragma once
#include "macro/MacroSettings.h"

#include <string>

// MacroFolder() + name + ".MSMACRO".
std::wstring MacroFilePath(const std::wstring& name);

// Writes every key of the file at `path`, each flushed at once; creates the file when needed.
// Records from settings.eventCount on are written as zero.
void SaveMacroFile(const std::wstring& path, const MacroSettings& settings);

// The macro of that name. Missing keys give loop count 1, loop type 0 and delay type 2; a
// missing or damaged event block gives no events. The events come back compacted: the n-th
// event the editor lists is record n, and eventCount is their number.
MacroSettings ReadMacroFile(const std::wstring& name);

// The loop count alone, 1 when missing, as a button assigned to the macro takes it.
int ReadMacroLoopTime(const std::wstring& name);

// The loop count box's text as a number, the way the C library reads a decimal: leading blanks
// skipped, stopping at the first non-digit, 0 without digits.
int LoopCountValue(const std::wstring& text);
