// The pictures the build put into the program folder's Images folder, read as the tests compare
// them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace artwork_test {

// The Images folder of the build, MOTORHALL_IMAGES_DIR.
QString imagesPath();

// `name` is relative to the Images folder ("de/LocalFiles@2x.gif").
QByteArray pictureBytes(const QString& name);

// 32-bit RGB, one pixel of the image to one pixel of the file: Qt's reader would take the "@2x"
// of a name as a device pixel ratio, which only scales the picture when it is painted.
QImage readPicture(const QString& name);

// The files of `folder` below the Images folder ("" for Images itself), sorted, no folders.
QStringList picturesIn(const QString& folder);

// The container and its fixed fields, without the size: "BMP 24-bit uncompressed",
// "GIF89a 256-colour palette", "PNG", or "other".
QString formatOf(const QByteArray& bytes);

// Width and height as the file's header states them.
QSize headerSizeOf(const QByteArray& bytes);

} // namespace artwork_test
