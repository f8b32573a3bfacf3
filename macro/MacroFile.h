// The file of one macro, MacroDB\<name>.MSMACRO: loop and delay options and the event block.
// The device service reads it to program the mouse.
#pragma once
#include "macro/MacroSettings.h"

#include <string>

// MacroFolder() + name + ".MSMACRO"; empty for a name that would lead out of the macro folder
// (MacroLibrary::IsMacroFileName). A library written elsewhere may hold names such as "..\x".
std::wstring MacroFilePath(const std::wstring& name);

// Writes every key of the file at `path` into a copy that then replaces the file whole
// (ReplaceIniFile); creates the file when needed. Records from settings.eventCount on are written
// as zero. False when the file could not be written (it stays as it was) or the path is empty.
bool SaveMacroFile(const std::wstring& path, const MacroSettings& settings);

// The macro of that name. Missing keys give loop count 1, loop type 0 and delay type 2; a
// missing or damaged event block gives no events. The events come back compacted: the n-th
// event the editor lists is record n, and eventCount is their number. A name without a path
// reads as an empty macro.
MacroSettings ReadMacroFile(const std::wstring& name);

// The loop count alone, 1 when missing, as a button assigned to the macro takes it.
int ReadMacroLoopTime(const std::wstring& name);

// Deletes the macro's file; a name without a path deletes nothing.
void DeleteMacroFile(const std::wstring& name);

// The loop count box's text as a number, the way the C library reads a decimal: leading blanks
// skipped, stopping at the first non-digit, 0 without digits.
int LoopCountValue(const std::wstring& text);
