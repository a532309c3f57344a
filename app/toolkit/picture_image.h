// The image a picture object shows, for painting it in a control.
#pragma once

#include <QImage>

class Picture;

namespace toolkit {

// A null image when the picture's bitmap cannot be read.
QImage imageFromPicture(const Picture& picture);

} // namespace toolkit
