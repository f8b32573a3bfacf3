// Owns one GDI bitmap; deletes it when replaced or destroyed.
#pragma once
#include <windows.h>

class CBitmap {
public:
    CBitmap() = default;
    explicit CBitmap(HBITMAP bitmap) : handle(bitmap) {}
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    HBITMAP GetSafeHandle() const { return handle; }
    void Attach(HBITMAP bitmap) {
        DeleteObject();
        handle = bitmap;
    }
    HBITMAP Detach() {
        HBITMAP bitmap = handle;
        handle = nullptr;
        return bitmap;
    }
    void DeleteObject() {
        if (handle) ::DeleteObject(handle);
        handle = nullptr;
    }
    SIZE GetSize() const {
        BITMAP info{};
        if (!handle || !::GetObjectW(handle, sizeof(info), &info)) return SIZE{0, 0};
        return SIZE{info.bmWidth, info.bmHeight};
    }

private:
    HBITMAP handle = nullptr;
};
