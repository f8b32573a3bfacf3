#include "skin/SkinImageDecoder.h"

#include <system_error>

SkinImageDecoder::SkinImageDecoder(std::vector<File> files, const DisplayScale& scale)
    : files(std::move(files)), scale(scale), promises(this->files.size()) {
    for (std::promise<SkinImage>& promise : promises) pictures.push_back(promise.get_future().share());
    try {
        worker = std::thread([this] { Decode(); });
    } catch (const std::system_error&) {
        Decode();
    }
}

SkinImageDecoder::~SkinImageDecoder() {
    if (worker.joinable()) worker.join();
}

void SkinImageDecoder::Decode() {
    for (size_t i = 0; i < files.size(); ++i) {
        SkinImage picture;
        try {
            picture = LoadSkinImage(files[i].folder, files[i].name, scale);
        } catch (...) {
            // Out of memory: the picture stays missing, and draws nothing.
        }
        promises[i].set_value(std::move(picture));
    }
}

Gdiplus::Bitmap* SkinImageDecoder::Picture(size_t index) const {
    if (index >= pictures.size()) return nullptr;
    return pictures[index].get().get();
}
