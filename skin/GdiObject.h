// Owns one GDI object (font, brush, pen, region or bitmap) and deletes it when replaced or destroyed.
#pragma once
#include <windows.h>

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    // Gives the object up, for example to the system through SetWindowRgn.
    Handle Release() {
        Handle released = handle;
        handle = nullptr;
        return released;
    }
    void Reset(Handle replacement = nullptr) {
        if (handle) ::DeleteObject(handle);
        handle = replacement;
    }

private:
    Handle handle = nullptr;
};
