#include "app/toolkit/picture_image.h"

#include "platform/picture/picture.h"

#include <cstring>

namespace toolkit {

QImage imageFromPicture(const Picture& picture) {
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    if (dc == 0)
        return QImage();
    QImage image;
    const gdi::HGDIOBJ previous = gdi::SelectObject(dc, picture.Handle());
    gdi::DibView view;
    if (previous != 0 && gdi::GetDibView(dc, &view) &&
        (view.bitsPerPixel == 24 || view.bitsPerPixel == 32)) {
        const bool packed = view.bitsPerPixel == 24;
        image =
            QImage(view.width, view.height, packed ? QImage::Format_BGR888 : QImage::Format_RGB32);
        const std::size_t rowBytes =
            static_cast<std::size_t>(view.width) * static_cast<std::size_t>(packed ? 3 : 4);
        for (int y = 0; y < view.height; ++y)
            std::memcpy(image.scanLine(y), view.line(y), rowBytes);
        if (!packed)
            image = image.convertToFormat(QImage::Format_RGB888);
    }
    if (previous != 0)
        gdi::SelectObject(dc, previous);
    gdi::DeleteDC(dc);
    return image;
}

} // namespace toolkit
