// Looks at and pokes the windows of a running program for the end-to-end tests, from inside
// Wine, where the Win32 state (enabled, visible, texts, child controls) can be read.
//
//   probe wait <title> <milliseconds>      waits for a top-level window; prints its handle
//   probe gone <title> <milliseconds>      waits until no such window exists
//   probe info <title>                     "hwnd pid x y width height visible enabled"
//   probe owned <title>                    the same of the visible window the titled one owns
//                                          (its dialog, whatever the dialog's title)
//   probe children <title>                 one line per child: "hwnd class visible enabled x y w h|text"
//   probe find <title> <text>              the same line of each child whose window text is <text>
//   probe owned-find <title> <text>        the same of the children of the titled window's dialog
//   probe focus <title>                    the keyboard focus of the window's thread: "info" of
//                                          the top-level window holding it, then its "children"
//                                          row in that window's client coordinates
//   probe look <title>                     "style exstyle iconic foreground" (foreground: 1 when
//                                          the window or a window it owns is the active one)
//   probe send <title> <msg> <wp> <lp>     SendMessage; prints the result
//   probe post <title> <msg> <wp> <lp>     PostMessage
//   probe count <title>                    the number of top-level windows with the title
//   probe watch <title> <x> <y> <ms>       samples the children at (x, y) every 20 ms for <ms>;
//                                          prints "watching" when it starts, then "<times shown>
//                                          <visible at the end>" and the texts that appeared, one
//                                          per line; what is visible at the start does not count
//
// Coordinates of children are relative to the parent's client area. Exit code 1 when the
// window is missing.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

namespace {
HWND Find(const wchar_t* title) { return ::FindWindowW(nullptr, title); }

long long Number(const wchar_t* text) { return std::wcstoll(text, nullptr, 0); }

void PrintInfo(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    std::wprintf(L"%llu %lu %ld %ld %ld %ld %d %d\n", reinterpret_cast<unsigned long long>(hwnd), pid, rect.left,
                 rect.top, rect.right - rect.left, rect.bottom - rect.top, ::IsWindowVisible(hwnd) ? 1 : 0,
                 ::IsWindowEnabled(hwnd) ? 1 : 0);
}

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND hwnd, LPARAM context) {
    auto* search = reinterpret_cast<OwnedSearch*>(context);
    if (!::IsWindowVisible(hwnd) || ::GetWindow(hwnd, GW_OWNER) != search->owner) return TRUE;
    search->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM context) {
    auto* search = reinterpret_cast<std::pair<const wchar_t*, int>*>(context);
    wchar_t title[512] = L"";
    ::GetWindowTextW(hwnd, title, 512);
    if (std::wcscmp(title, search->first) == 0) ++search->second;
    return TRUE;
}

// Which children a listing prints: those of `parent`, all of them or those with the text `only`.
struct ChildListing {
    HWND parent;
    const wchar_t* only;
};

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM context) {
    const auto* listing = reinterpret_cast<const ChildListing*>(context);
    wchar_t className[128] = L"";
    wchar_t text[512] = L"";
    ::GetClassNameW(hwnd, className, 128);
    ::GetWindowTextW(hwnd, text, 512);
    if (listing->only && std::wcscmp(text, listing->only) != 0) return TRUE;
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    ::MapWindowPoints(nullptr, listing->parent, reinterpret_cast<POINT*>(&rect), 2);
    std::wprintf(L"%llu %ls %d %d %ld %ld %ld %ld|%ls\n", reinterpret_cast<unsigned long long>(hwnd), className,
                 ::IsWindowVisible(hwnd) ? 1 : 0, ::IsWindowEnabled(hwnd) ? 1 : 0, rect.left, rect.top,
                 rect.right - rect.left, rect.bottom - rect.top, text);
    return TRUE;
}

struct Watch {
    POINT at;
    HWND parent;
    std::vector<std::wstring> visibleTexts;
};

BOOL CALLBACK WatchChild(HWND hwnd, LPARAM context) {
    auto* watch = reinterpret_cast<Watch*>(context);
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    ::MapWindowPoints(nullptr, watch->parent, reinterpret_cast<POINT*>(&rect), 2);
    if (rect.left != watch->at.x || rect.top != watch->at.y || !::IsWindowVisible(hwnd)) return TRUE;
    wchar_t text[512] = L"";
    ::GetWindowTextW(hwnd, text, 512);
    watch->visibleTexts.emplace_back(text);
    return TRUE;
}

// A blink is too quick to be seen by one probe started per sample on a loaded machine, so the
// sampling runs here, in one process.
int WatchPosition(HWND hwnd, int x, int y, DWORD milliseconds) {
    auto visibleNow = [&] {
        Watch watch{{x, y}, hwnd, {}};
        ::EnumChildWindows(hwnd, WatchChild, reinterpret_cast<LPARAM>(&watch));
        return std::set<std::wstring>(watch.visibleTexts.begin(), watch.visibleTexts.end());
    };
    std::set<std::wstring> previous = visibleNow();
    std::set<std::wstring> appeared;
    int timesShown = 0;
    std::wprintf(L"watching\n");
    std::fflush(stdout);
    DWORD start = ::GetTickCount();
    do {
        ::Sleep(20);
        std::set<std::wstring> now = visibleNow();
        if (previous.empty() && !now.empty()) ++timesShown;
        for (const auto& text : now)
            if (!previous.count(text)) appeared.insert(text);
        previous = now;
    } while (::GetTickCount() - start < milliseconds);
    std::wprintf(L"%d %d\n", timesShown, previous.empty() ? 0 : 1);
    for (const auto& text : appeared) std::wprintf(L"%ls\n", text.c_str());
    return 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    std::wstring command = argv[1];
    const wchar_t* title = argv[2];
    if (command == L"wait" || command == L"gone") {
        DWORD limit = argc > 3 ? static_cast<DWORD>(Number(argv[3])) : 10000;
        DWORD start = ::GetTickCount();
        bool wantPresent = command == L"wait";
        for (;;) {
            HWND hwnd = Find(title);
            if ((hwnd != nullptr) == wantPresent) {
                if (hwnd) std::wprintf(L"%llu\n", reinterpret_cast<unsigned long long>(hwnd));
                return 0;
            }
            if (::GetTickCount() - start > limit) return 1;
            ::Sleep(50);
        }
    }
    if (command == L"count") {
        std::pair<const wchar_t*, int> search{title, 0};
        ::EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&search));
        std::wprintf(L"%d\n", search.second);
        return 0;
    }
    HWND hwnd = Find(title);
    if (!hwnd) return 1;
    if (command == L"info") {
        PrintInfo(hwnd);
        return 0;
    }
    if (command == L"owned" || command == L"owned-find") {
        OwnedSearch search{hwnd, nullptr};
        ::EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&search));
        if (!search.found) return 1;
        if (command == L"owned") {
            PrintInfo(search.found);
            return 0;
        }
        if (argc < 4) return 2;
        ChildListing listing{search.found, argv[3]};
        ::EnumChildWindows(search.found, PrintChild, reinterpret_cast<LPARAM>(&listing));
        return 0;
    }
    if (command == L"look") {
        HWND active = ::GetForegroundWindow();
        const bool foreground = active && (active == hwnd || ::GetWindow(active, GW_OWNER) == hwnd);
        std::wprintf(L"%lu %lu %d %d\n", static_cast<unsigned long>(::GetWindowLongPtrW(hwnd, GWL_STYLE)),
                     static_cast<unsigned long>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), ::IsIconic(hwnd) ? 1 : 0,
                     foreground ? 1 : 0);
        return 0;
    }
    if (command == L"children" || (command == L"find" && argc >= 4)) {
        ChildListing listing{hwnd, command == L"find" ? argv[3] : nullptr};
        ::EnumChildWindows(hwnd, PrintChild, reinterpret_cast<LPARAM>(&listing));
        return 0;
    }
    if (command == L"focus") {
        // The keyboard focus of the window's thread, as a row of "children" in the coordinates
        // of the top-level window that holds it, which is printed first with "info".
        GUITHREADINFO thread{};
        thread.cbSize = sizeof(thread);
        if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(hwnd, nullptr), &thread) || !thread.hwndFocus) return 1;
        HWND root = ::GetAncestor(thread.hwndFocus, GA_ROOT);
        PrintInfo(root);
        ChildListing listing{root, nullptr};
        PrintChild(thread.hwndFocus, reinterpret_cast<LPARAM>(&listing));
        return 0;
    }
    if (command == L"watch" && argc >= 6) {
        return WatchPosition(hwnd, static_cast<int>(Number(argv[3])), static_cast<int>(Number(argv[4])),
                             static_cast<DWORD>(Number(argv[5])));
    }
    if ((command == L"send" || command == L"post") && argc >= 6) {
        auto message = static_cast<UINT>(Number(argv[3]));
        auto wParam = static_cast<WPARAM>(Number(argv[4]));
        auto lParam = static_cast<LPARAM>(Number(argv[5]));
        if (command == L"post") return ::PostMessageW(hwnd, message, wParam, lParam) ? 0 : 1;
        DWORD_PTR result = 0;
        if (!::SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return 1;
        std::wprintf(L"%lld\n", static_cast<long long>(result));
        return 0;
    }
    return 2;
}
