#include "bench/StartPhases.h"

#include "framework/Folders.h"
#include "res/resource.h"
#include "bench/BenchTable.h"
#include "bench/Stopwatch.h"
#include "framework/CDialog.h"
#include "profile/ProfileFiles.h"
#include "skin/SkinRegion.h"
#include "text/LocalisedText.h"
#include "text/UiTextSection.h"
#include "ui/main/MainLayout.h"

namespace {
// Ids of section "General" up to the last one the main window shows, read from the section as the
// layout reads them, and the function codes of the eight default button captions.
constexpr int kLastGeneralId = 64;
constexpr int kCaptionFunctionCodes = 8;

// Waits until the pictures the window paints itself are decoded.
void WaitForPaintedPictures(const MainLayout& layout) {
    for (PaintedPicture picture : {PaintedPicture::Background, PaintedPicture::MouseLayout, PaintedPicture::ColorPicture}) {
        layout.Picture(picture);
    }
}

std::wstring TextFile(const wchar_t* name) { return std::wstring(AppDirectory) + L"images\\0409\\strings\\" + name; }

// Moves the file's last-write time on by a second, as an edit would, so that nothing read from
// it before counts as read.
void MarkEdited(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    FILETIME written{};
    if (::GetFileTime(file, nullptr, nullptr, &written)) {
        ULARGE_INTEGER time{};
        time.LowPart = written.dwLowDateTime;
        time.HighPart = written.dwHighDateTime;
        time.QuadPart += 10000000ULL;
        written.dwLowDateTime = time.LowPart;
        written.dwHighDateTime = time.HighPart;
        ::SetFileTime(file, nullptr, nullptr, &written);
    }
    ::CloseHandle(file);
}

// A hidden window of the main window's template for the controls of one measurement.
class HostWindow : public CDialog {
public:
    HostWindow() : CDialog(IDD_MAIN_WINDOW, nullptr) { Create(nullptr); }
    ~HostWindow() override {
        if (m_hWnd) DestroyWindow();
    }
};
}  // namespace

std::vector<Phase> StartPhases::Measure() const {
    return {
        {L"texts read", TextsRead()},
        {L"pictures decoded", PicturesDecoded()},
        {L"controls created", ControlsCreated()},
        {L"region built", RegionBuilt()},
        {L"profiles loaded", ProfilesLoaded()},
    };
}

double StartPhases::TextsRead() const {
    return MedianOf(repetitions, [] {
        MarkEdited(TextFile(L"skins.ini"));
        MarkEdited(TextFile(L"general.ini"));
        Stopwatch clock;
        const UiTextSection general(L"General");
        for (int id = 1; id <= kLastGeneralId; ++id) general.Get(id);
        for (int code = 1; code <= kCaptionFunctionCodes; ++code) GetFunctionName(code);
        return clock.Milliseconds();
    });
}

double StartPhases::PicturesDecoded() const {
    return MedianOf(repetitions, [this] {
        MainLayout layout;
        layout.scale = scale;
        Stopwatch clock;
        layout.LoadImages();
        layout.StartPaintedPictures();
        WaitForPaintedPictures(layout);
        return clock.Milliseconds();
    });
}

double StartPhases::ControlsCreated() const {
    return MedianOf(repetitions, [this] {
        MainLayout layout;
        layout.scale = scale;
        layout.LoadImages();
        HostWindow host;
        Stopwatch clock;
        layout.CreateControls(host);
        return clock.Milliseconds();
    });
}

double StartPhases::RegionBuilt() const {
    return MedianOf(repetitions, [this] {
        GdiObject<HBITMAP> bitmap;
        Stopwatch clock;
        LoadRegionBitmap(SkinFolderPath(SkinFolder::Background) + L"cfgMainback.bmp", bitmap, scale);
        GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get());
        return clock.Milliseconds();
    });
}

double StartPhases::ProfilesLoaded() const {
    return MedianOf(repetitions, [] {
        ProfileSet staging{};
        Stopwatch clock;
        LoadProfiles(staging);
        return clock.Milliseconds();
    });
}
