#include "bench/ResourceCounts.h"

#include <psapi.h>
#include <winternl.h>

namespace {
// One entry of the GDI handle table that the system maps into every process (the PEB's
// GdiSharedHandleTable); an entry is in use when its type is not zero.
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the layout of a 64-bit GDI handle entry");
constexpr int kGdiHandleEntries = 0x10000;
constexpr size_t kGdiTableOffsetInPeb = 0xF8;

long CountGdiHandleTable() {
    PROCESS_BASIC_INFORMATION basic{};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0 ||
        !basic.PebBaseAddress) {
        return 0;
    }
    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kGdiTableOffsetInPeb);
    if (!table) return 0;
    long used = 0;
    for (int i = 0; i < kGdiHandleEntries; ++i) {
        if (table[i].type != 0) ++used;
    }
    return used;
}

BOOL CALLBACK CountChild(HWND, LPARAM context) {
    ++*reinterpret_cast<long*>(context);
    return TRUE;
}

// A top-level window and all its descendants (EnumChildWindows walks the whole tree).
BOOL CALLBACK CountWindow(HWND window, LPARAM context) {
    ++*reinterpret_cast<long*>(context);
    ::EnumChildWindows(window, CountChild, context);
    return TRUE;
}

long CountThreadWindows() {
    long windows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}
}  // namespace

double PrivateMegabytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters))) {
        return 0;
    }
    // Wine leaves PrivateUsage at 0 and reports the same figure as the page-file usage.
    const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

GuiCounts CurrentGuiCounts() {
    GuiCounts counts;
    counts.gdiObjects = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    counts.userObjects = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
    if (counts.gdiObjects == 0) counts.gdiObjects = CountGdiHandleTable();
    if (counts.userObjects == 0) counts.userObjects = CountThreadWindows();
    return counts;
}
