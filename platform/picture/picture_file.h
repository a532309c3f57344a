// Reading a picture file: the one way the program, its toolkit and the card library read the
// pictures they show.
#pragma once

#include <filesystem>
#include <QImage>

// The image of a file Qt's image reader takes (BMP, PNG, GIF, ...), told by its content. A null
// image when the file is missing, is no regular file (a pipe is never waited on), is larger than
// any picture should be, is not an image, or holds fewer pixels than its header declares
// (picture_completeness.h): the missing ones would show whatever memory held.
QImage ReadPictureFile(const std::filesystem::path& path);
