// A picture: an image held as a 24-bit bitmap of the drawing layer, as a picture loaded from a
// bitmap file is held on Windows. Surfaces are made from its bitmap handle, and the window
// toolkit shows it in its image controls. The picture owns the bitmap and deletes it, so the
// bitmap must not be left selected into a context when the picture goes.
#pragma once

#include "platform/gdi/gdi.h"

#include <filesystem>
#include <memory>

class QImage;

class Picture {
public:
    // Null when the image is empty or the bitmap cannot be had. Transparency in the image is
    // dropped: the bitmap holds colours only.
    static std::unique_ptr<Picture> fromImage(const QImage& image);

    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    gdi::HBITMAP Handle() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    Picture(gdi::HBITMAP bitmap, int width, int height)
        : bitmap_(bitmap)
        , width_(width)
        , height_(height) {}

    gdi::HBITMAP bitmap_;
    int width_;
    int height_;
};

// Loads any image file Qt's image reader takes (BMP, PNG, ...) through ReadPictureFile. Null,
// without an exception, when the file is missing, unreadable, cut short or not an image.
std::unique_ptr<Picture> LoadPicture(const std::filesystem::path& path);
