#include "tools/srftool/output_files.h"

#include "platform/files/replacement_file.h"
#include "platform/files/system_words.h"
#include "tools/srftool/png_codec.h"

#include <filesystem>

namespace srftool {
namespace {

// What the system's words would leave unclear; a folder is "Is a directory".
Failure refusalOf(files::TargetKind kind) {
    switch (kind) {
    case files::TargetKind::blockDevice:
        return "it is a block device, not a file";
    case files::TargetKind::danglingLink:
        return "it is a link that leads nowhere";
    default:
        return {};
    }
}

} // namespace

Failure ensureFolder(const std::string& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        if (!std::filesystem::is_directory(path, error))
            return "it exists and is not a folder";
        return {};
    }
    if (!std::filesystem::create_directories(path, error) && error)
        return "the folder cannot be created (" + error.message() + ")";
    return {};
}

std::string outputPath(const std::string& operand) {
    return operand == "-" ? "/dev/stdout" : operand;
}

Failure refusedOutput(const std::string& operand) {
    return refusalOf(files::resolveWriteTarget(outputPath(operand)).kind);
}

Failure savePng(const RgbaImage& image, const std::string& path) {
    std::vector<std::uint8_t> png;
    if (const Failure failure = encodePng(image, png))
        return failure;
    return saveBytes(png, path);
}

Failure saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    files::ReplacementFile file(outputPath(path), files::SpecialTarget::writeInPlace);
    if (file.write(bytes.data(), bytes.size()) && file.commit())
        return {};
    if (file.failure() == files::ReplacementFile::Failure::create)
        if (const Failure refusal = refusalOf(file.targetKind()))
            return refusal;
    return files::systemWords(file.errorNumber());
}

} // namespace srftool
