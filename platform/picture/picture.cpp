#include "platform/picture/picture.h"

#include "platform/picture/picture_file.h"

#include <cstring>
#include <QImage>

std::unique_ptr<Picture> Picture::fromImage(const QImage& image) {
    if (image.isNull())
        return nullptr;
    const QImage rows = image.convertToFormat(QImage::Format_BGR888);
    if (rows.isNull())
        return nullptr;
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = rows.width();
    info.bmiHeader.biHeight = rows.height(); // bottom-up, like a bitmap file
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    const gdi::HBITMAP bitmap =
        gdi::CreateDIBSection(0, &info, gdi::DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == 0)
        return nullptr;
    gdi::BITMAP record{};
    gdi::GetObject(bitmap, sizeof record, &record);
    const std::size_t rowBytes = static_cast<std::size_t>(rows.width()) * 3;
    auto* base = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < rows.height(); ++y)
        std::memcpy(base + static_cast<std::ptrdiff_t>(rows.height() - 1 - y) * record.bmWidthBytes,
                    rows.constScanLine(y), rowBytes);
    return std::unique_ptr<Picture>(new Picture(bitmap, rows.width(), rows.height()));
}

Picture::~Picture() {
    gdi::DeleteObject(bitmap_);
}

std::unique_ptr<Picture> LoadPicture(const std::filesystem::path& path) {
    return Picture::fromImage(ReadPictureFile(path));
}
