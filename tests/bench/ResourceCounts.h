// What a process holds: private memory, GDI objects and USER objects.
//
// GetGuiResources reports the object counts on Windows. Wine does not implement it (it returns 0),
// so there the GDI objects are counted in the process's GDI handle table, and the USER objects
// are approximated by the windows of the calling thread.
#pragma once
#include <windows.h>

// The process's private (committed) memory in megabytes; 0 when it cannot be read.
double PrivateMegabytes(HANDLE process);

struct GuiCounts {
    long gdiObjects = 0;
    long userObjects = 0;
};

// The counts of the calling process.
GuiCounts CurrentGuiCounts();
