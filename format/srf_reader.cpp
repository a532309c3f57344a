#include "format/srf_reader.h"

#include "format/file_byte_source.h"
#include "format/memory_byte_source.h"

#include <cstring>

namespace srf {
namespace {

std::int32_t int32At(const std::uint8_t* p) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

std::int16_t int16At(const std::uint8_t* p) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | p[1] << 8));
}

SrfReadError readExactly(ByteSource& source, std::span<std::uint8_t> out) {
    if (out.size() > source.remaining())
        return SrfReadError::Truncated;
    return source.read(out) ? SrfReadError::None : SrfReadError::ReadFailed;
}

SrfReadError skip(ByteSource& source, std::uint64_t size) {
    return source.skip(size) ? SrfReadError::None : SrfReadError::Truncated;
}

SrfReadError readBlock(ByteSource& source, std::span<const std::uint8_t>& block,
                       std::vector<std::uint8_t>& storage) {
    if (const SrfReadError e = skip(source, kBlockPrefixSkipped); e != SrfReadError::None)
        return e;
    std::uint8_t lengthBytes[kBlockLengthSize];
    if (const SrfReadError e = readExactly(source, lengthBytes); e != SrfReadError::None)
        return e;
    const std::int32_t length = int32At(lengthBytes);
    if (length < 1)
        return SrfReadError::EmptyBlock;
    // Checked before anything is allocated, so a hostile length costs nothing.
    if (static_cast<std::uint64_t>(length) > source.remaining())
        return SrfReadError::BlockBeyondFile;
    const auto got = source.readBlock(static_cast<std::size_t>(length), storage);
    if (!got) {
        // The length fits what remains, so either the copy could not be allocated (storage
        // stays empty) or reading it failed.
        return storage.empty() ? SrfReadError::OutOfMemory : SrfReadError::ReadFailed;
    }
    block = *got;
    return SrfReadError::None;
}

SrfReadError readImage(ByteSource& source, SrfImage& image,
                       std::vector<std::uint8_t>& transparencyStorage,
                       std::vector<std::uint8_t>& colourStorage) {
    std::uint8_t header[kLongImageHeaderSize];
    if (const SrfReadError e = readExactly(source, std::span(header, kImageHeaderSize));
        e != SrfReadError::None)
        return e;
    image.longHeader =
        int32At(header) == kLongImageHeaderTag && int32At(header + 4) == kLongImageHeaderLength;
    if (image.longHeader) {
        const auto rest = std::span(header + kImageHeaderSize, header + kLongImageHeaderSize);
        if (const SrfReadError e = readExactly(source, rest); e != SrfReadError::None)
            return e;
    }
    image.height = int16At(header + kImageHeightOffset);
    image.width = int16At(header + kImageWidthOffset);
    if (image.height < 0 || image.width < 0)
        return SrfReadError::NegativeSize;
    if (const SrfReadError e = readBlock(source, image.transparency, transparencyStorage);
        e != SrfReadError::None)
        return e;
    return readBlock(source, image.colour, colourStorage);
}

} // namespace

SrfReadResult readSrf(ByteSource& source) {
    SrfReadResult result;
    SrfFile& file = result.file;
    std::uint8_t header[kFileHeaderSize];
    result.error = readExactly(source, header);
    if (result.error != SrfReadError::None)
        return result;
    std::memcpy(file.type.data(), header, kTypeStringSize);
    result.error = readImage(source, file.image3d, file.storage[0], file.storage[1]);
    if (result.error != SrfReadError::None)
        return result;
    result.error = readImage(source, file.image2d, file.storage[2], file.storage[3]);
    return result;
}

SrfReadResult readSrfFile(const std::filesystem::path& path) {
    FileByteSource source(path);
    if (!source.isOpen())
        return {};
    SrfReadResult result = readSrf(source);
    source.close();
    return result;
}

SrfReadResult readSrfBytes(std::span<const std::uint8_t> bytes) {
    MemoryByteSource source(bytes);
    return readSrf(source);
}

} // namespace srf
