// Pictures decoded on a thread of their own while the window goes on with its start: pictures
// no control borrows, such as a background or a picture the window's paint draws. The decoder
// owns them; the first look at one waits until it is decoded.
#pragma once
#include "skin/DisplayScale.h"
#include "skin/SkinImages.h"

#include <future>
#include <thread>
#include <vector>

class SkinImageDecoder {
public:
    struct File {
        SkinFolder folder;
        const wchar_t* name;  // borrowed: a literal
    };

    // Starts decoding `files` in their order at `scale` (LoadSkinImage). Without a thread to
    // spare they are decoded here and now.
    SkinImageDecoder(std::vector<File> files, const DisplayScale& scale);
    // Waits for the decoding to end.
    ~SkinImageDecoder();
    SkinImageDecoder(const SkinImageDecoder&) = delete;
    SkinImageDecoder& operator=(const SkinImageDecoder&) = delete;

    // The picture of files[index], once decoded; null for an index out of range or a picture
    // whose decoding ran out of memory.
    Gdiplus::Bitmap* Picture(size_t index) const;

private:
    void Decode();

    std::vector<File> files;
    DisplayScale scale;
    std::vector<std::promise<SkinImage>> promises;
    std::vector<std::shared_future<SkinImage>> pictures;
    std::thread worker;
};
