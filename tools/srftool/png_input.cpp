#include "tools/srftool/png_input.h"

#include "platform/files/regular_file.h"
#include "platform/files/system_words.h"
#include "tools/srftool/input_files.h"

namespace srftool {
namespace {

// Far beyond any picture of a vehicle; keeps a huge file from being read into memory whole.
constexpr std::uint64_t kLargestPictureFile = 256 * 1024 * 1024;

// Opens the picture file and reads it into memory: its content() is then what it still holds of
// what it held when opened (it may have shrunk). Otherwise the reason it cannot be read.
Failure readPictureFile(const std::string& path, files::RegularFile& file) {
    file = files::RegularFile::open(path, kLargestPictureFile);
    switch (file.failure()) {
    case files::RegularFile::Failure::none:
        break;
    case files::RegularFile::Failure::notRegular:
        return "not a regular file";
    case files::RegularFile::Failure::tooLarge:
        return "the file is too large for a picture";
    default:
        return openFailure(file);
    }
    if (const int error = file.content().errorNumber)
        return files::systemWords(error);
    return {};
}

} // namespace

Failure readPng(const std::string& path, RgbaImage& image, const SizeCheck& check) {
    files::RegularFile file;
    if (const Failure failure = readPictureFile(path, file))
        return failure;
    return decodePng(file.content().bytes, image, check);
}

Failure readPngSize(const std::string& path, PictureSize& size) {
    files::RegularFile file;
    if (const Failure failure = readPictureFile(path, file))
        return failure;
    return readPngSize(file.content().bytes, size);
}

} // namespace srftool
